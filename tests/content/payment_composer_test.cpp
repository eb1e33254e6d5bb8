#include "content/payment_composer.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

using Record = core::ListingRecord;
using Tick = core::CheckValue Record::*;

constexpr Tick postalBank = &Record::CheckBoxゆうちょ銀行, bank1 = &Record::CheckBox銀行1,
               bank2 = &Record::CheckBox銀行2, bank3 = &Record::CheckBox銀行3,
               instant = &Record::CheckBoxかんたん決済,
               netBanking = &Record::CheckBoxネットバンキング, cashMail = &Record::CheckBox現金書留,
               cashOnDelivery = &Record::CheckBox代金引換, other = &Record::CheckBoxその他;

struct PaymentCase {
    const char* name;
    std::vector<Tick> ticks;
    QString caption;
    QStringList bankNames = {}; // TextBox銀行名1 … 3
    QString otherText = {};
};

void PrintTo(const PaymentCase& c, std::ostream* os) {
    *os << c.name;
}

class PaymentText : public ::testing::TestWithParam<PaymentCase> {};

TEST_P(PaymentText, ListsTheTickedMethods) {
    const PaymentCase& c = GetParam();
    Record record;
    for (Tick tick : c.ticks)
        record.*tick = 1;
    record.TextBox銀行名1 = c.bankNames.value(0);
    record.TextBox銀行名2 = c.bankNames.value(1);
    record.TextBox銀行名3 = c.bankNames.value(2);
    record.TextBoxその他 = c.otherText;
    // Saved with the form but never part of the text.
    record.TextBoxゆうちょ記号 = record.TextBox支店名1 = record.TextBox代金引換 = u"隠し"_s;
    EXPECT_EQ(content::ComposePaymentText(record), c.caption);
}

INSTANTIATE_TEST_SUITE_P(
    Methods, PaymentText,
    ::testing::Values(
        PaymentCase{"NothingTicked", {}, QString(), {u"A銀行"_s}, u"切手"_s},
        PaymentCase{"FirstRun", {instant}, u"・Yahoo!かんたん決済　\r\n"_s},
        PaymentCase{"BankWithoutName",
                    {bank1, bank2},
                    u"・みずほ銀行　\r\n"_s,
                    {QString(), u"みずほ銀行"_s}},
        PaymentCase{"OtherEndsWithoutLineBreak",
                    {cashOnDelivery, other},
                    u"・代金引換　\r\n・その他　(切手)"_s,
                    {},
                    u"切手"_s},
        PaymentCase{"OtherWithoutText", {netBanking, other}, u"・Yahoo!ネットバンキング　\r\n"_s},
        PaymentCase{"TypedTextsUnchanged", {bank1}, u"・ <b>A&B</b> 　\r\n"_s, {u" <b>A&B</b> "_s}},
        PaymentCase{
            "AllMethodsInOrder",
            {other, cashOnDelivery, cashMail, netBanking, instant, bank3, bank2, bank1, postalBank},
            u"・ゆうちょ銀行　\r\n・A銀行　\r\n・B銀行　\r\n・C銀行　\r\n"
            u"・Yahoo!かんたん決済　\r\n・Yahoo!ネットバンキング　\r\n・現金書留　\r\n"
            u"・代金引換　\r\n・その他　(商品券)"_s,
            {u"A銀行"_s, u"B銀行"_s, u"C銀行"_s},
            u"商品券"_s}));

TEST(PaymentText, GrayedBoxIsNotTicked) {
    Record record;
    record.CheckBoxゆうちょ銀行 = 2;
    EXPECT_EQ(content::ComposePaymentText(record), QString());
}

} // namespace
