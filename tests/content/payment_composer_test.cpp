#include "content/payment_composer.h"

#include <functional>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

struct PaymentCase {
    const char* name;
    std::function<void(core::ListingRecord&)> tick;
    QString caption;
};

void PrintTo(const PaymentCase& c, std::ostream* os) {
    *os << c.name;
}

class PaymentText : public ::testing::TestWithParam<PaymentCase> {};

TEST_P(PaymentText, ListsTheTickedMethods) {
    core::ListingRecord record;
    GetParam().tick(record);
    EXPECT_EQ(content::ComposePaymentText(record), GetParam().caption);
}

INSTANTIATE_TEST_SUITE_P(
    Methods, PaymentText,
    ::testing::Values(PaymentCase{"NothingTicked", [](core::ListingRecord&) {}, QString()},
                      // The hidden account fields and the cash-on-delivery text never show.
                      PaymentCase{"HiddenFieldsStayOut",
                                  [](core::ListingRecord& r) {
                                      r.TextBoxゆうちょ記号 = u"10000"_s;
                                      r.TextBox支店名1 = u"本店"_s;
                                      r.TextBox代金引換 = u"手数料"_s;
                                      r.TextBox銀行名1 = u"A銀行"_s;
                                  },
                                  QString()},
                      PaymentCase{"FirstRun",
                                  [](core::ListingRecord& r) { r.CheckBoxかんたん決済 = 1; },
                                  u"・Yahoo!かんたん決済　\r\n"_s},
                      PaymentCase{"BankWithoutNameGivesNoLine",
                                  [](core::ListingRecord& r) {
                                      r.CheckBox銀行1 = 1;
                                      r.CheckBox銀行2 = 1;
                                      r.TextBox銀行名2 = u"みずほ銀行"_s;
                                  },
                                  u"・みずほ銀行　\r\n"_s},
                      PaymentCase{"NameOfAnUntickedBankStaysOut",
                                  [](core::ListingRecord& r) {
                                      r.TextBox銀行名3 = u"りそな銀行"_s;
                                      r.CheckBox現金書留 = 1;
                                  },
                                  u"・現金書留　\r\n"_s},
                      PaymentCase{"GrayedBoxIsNotTicked",
                                  [](core::ListingRecord& r) { r.CheckBoxゆうちょ銀行 = 2; },
                                  QString()},
                      PaymentCase{"OtherEndsWithoutLineBreak",
                                  [](core::ListingRecord& r) {
                                      r.CheckBox代金引換 = 1;
                                      r.CheckBoxその他 = 1;
                                      r.TextBoxその他 = u"切手"_s;
                                  },
                                  u"・代金引換　\r\n・その他　(切手)"_s},
                      PaymentCase{"OtherWithEmptyTextGivesNoLine",
                                  [](core::ListingRecord& r) {
                                      r.CheckBoxネットバンキング = 1;
                                      r.CheckBoxその他 = 1;
                                  },
                                  u"・Yahoo!ネットバンキング　\r\n"_s},
                      // Typed texts go in as typed: no trimming, no escaping.
                      PaymentCase{"TypedTextsUnchanged",
                                  [](core::ListingRecord& r) {
                                      r.CheckBox銀行1 = 1;
                                      r.TextBox銀行名1 = u" <b>A&B</b> "_s;
                                  },
                                  u"・ <b>A&B</b> 　\r\n"_s},
                      PaymentCase{"AllMethodsInOrder",
                                  [](core::ListingRecord& r) {
                                      r.CheckBoxその他 = 1;
                                      r.TextBoxその他 = u"商品券"_s;
                                      r.CheckBox代金引換 = 1;
                                      r.CheckBox現金書留 = 1;
                                      r.CheckBoxネットバンキング = 1;
                                      r.CheckBoxかんたん決済 = 1;
                                      r.CheckBox銀行3 = 1;
                                      r.TextBox銀行名3 = u"C銀行"_s;
                                      r.CheckBox銀行2 = 1;
                                      r.TextBox銀行名2 = u"B銀行"_s;
                                      r.CheckBox銀行1 = 1;
                                      r.TextBox銀行名1 = u"A銀行"_s;
                                      r.CheckBoxゆうちょ銀行 = 1;
                                  },
                                  u"・ゆうちょ銀行　\r\n"
                                  u"・A銀行　\r\n"
                                  u"・B銀行　\r\n"
                                  u"・C銀行　\r\n"
                                  u"・Yahoo!かんたん決済　\r\n"
                                  u"・Yahoo!ネットバンキング　\r\n"
                                  u"・現金書留　\r\n"
                                  u"・代金引換　\r\n"
                                  u"・その他　(商品券)"_s}));

} // namespace
