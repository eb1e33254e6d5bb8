// The seller's clicks, choices and field exits that recompose the payment and shipping
// summaries, the mail-bin pair, the page-0 refresh and window activation.
#include "form1_fixture.h"
#include "profile/profiles.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <functional>
#include <ostream>

using namespace Qt::Literals::StringLiterals;

namespace {

class Form1Triggers : public Form1Fixture {
public:
    // A click where the seller would click: on the box, not the middle of a stretched row.
    void clickBox(const QString& name) {
        auto* box = child<QCheckBox>(name);
        ASSERT_NE(box, nullptr);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(4, box->height() / 2));
    }
    // Choosing an entry from the drop-down list.
    void choose(const QString& name, int position) {
        auto* combo = child<QComboBox>(name);
        ASSERT_NE(combo, nullptr);
        combo->setCurrentIndex(position);
        emit combo->activated(position);
    }
    // Typing into a field and leaving it with Tab.
    void enter(const QString& name, const QString& text) {
        auto* field = child<QLineEdit>(name);
        ASSERT_NE(field, nullptr);
        field->setFocus();
        field->setText(text);
        QTest::keyClick(field, Qt::Key_Tab);
        ASSERT_FALSE(field->hasFocus());
    }
    QString label(const QString& name) const { return child<QLabel>(name)->text(); }

protected:
    void SetUp() override {
        Form1Fixture::SetUp();
        // A seller who ticked nothing, so each summary shows only the test's own choices.
        const profile::Profiles profiles(m_folder.path());
        profiles.WriteAuctionIni(u"Section支払い"_s, u"ktnonoff"_s, u"0"_s);
        profiles.WriteAuctionIni(u"Section発送"_s, u"ゆうパックonoff"_s, u"0"_s);
        profiles.WriteAuctionIni(u"Section発送"_s, u"宅急便onoff"_s, u"0"_s);
        createForm();
        showActive();
    }
};

struct ShippingCase {
    std::string name;
    std::function<void(Form1Triggers&)> act;
    QString first;
    QString second;
};
void PrintTo(const ShippingCase& c, std::ostream* os) {
    *os << c.name;
}

class ShippingTrigger : public Form1Triggers, public ::testing::WithParamInterface<ShippingCase> {};

TEST_P(ShippingTrigger, RecomposesBothShippingLabels) {
    m_form->findChild<QTabWidget*>(u"SSTab1"_s)->setCurrentIndex(2);
    GetParam().act(*this);
    EXPECT_EQ(label(u"Label送料1"_s), GetParam().first);
    EXPECT_EQ(label(u"Label送料2"_s), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(
    Events, ShippingTrigger,
    ::testing::Values(ShippingCase{"ClickAfterChoosingSizeAndWeight",
                                   [](Form1Triggers& t) {
                                       t.choose(u"ComboBox商品サイズ"_s, 0);
                                       t.choose(u"ComboBox商品重さ"_s, 0);
                                       t.clickBox(u"CheckBoxゆうパック"_s);
                                   },
                                   u"・ゆうパック60サイズ　\r\n"_s, QString()},
                      // The last event is the weight choice, so the list itself must recompose.
                      ShippingCase{"ChoosingTheWeightLast",
                                   [](Form1Triggers& t) {
                                       t.clickBox(u"CheckBoxゆうパック"_s);
                                       t.choose(u"ComboBox商品サイズ"_s, 5);
                                       t.choose(u"ComboBox商品重さ"_s, 3);
                                   },
                                   u"・ゆうパック120サイズ　\r\n"_s, QString()},
                      // The charge comes from the rate table read at start-up.
                      ShippingCase{"LetterRateFromTheLoadedTable",
                                   [](Form1Triggers& t) {
                                       t.choose(u"ComboBox商品サイズ"_s, 0);
                                       t.choose(u"ComboBox商品重さ"_s, 1);
                                       t.clickBox(u"CheckBox定形郵便"_s);
                                   },
                                   u"・定形郵便 90円　\r\n"_s, QString()},
                      // Element 1 is the box on page 0; the composer reads element 0.
                      ShippingCase{"MailBinTickedOnTheItemPage",
                                   [](Form1Triggers& t) {
                                       t.choose(u"ComboBox商品サイズ"_s, 0);
                                       t.choose(u"ComboBox商品重さ"_s, 2);
                                       t.choose(u"ComboBoxクロネコメール便"_s, 4);
                                       t.clickBox(u"CheckBoxクロネコメール便_1"_s);
                                   },
                                   u"・クロネコメール便速達 180円　\r\n"_s, QString()},
                      ShippingCase{"LeavingTheFlatRateField",
                                   [](Form1Triggers& t) {
                                       t.choose(u"ComboBox商品サイズ"_s, 0);
                                       t.choose(u"ComboBox商品重さ"_s, 0);
                                       t.clickBox(u"CheckBox送料一律"_s);
                                       t.enter(u"TextBox送料一律"_s, u"全国一律500円"_s);
                                   },
                                   u"・全国一律500円"_s, QString()},
                      ShippingCase{"LeavingTheOtherCarrierField",
                                   [](Form1Triggers& t) {
                                       t.choose(u"ComboBox商品サイズ"_s, 0);
                                       t.choose(u"ComboBox商品重さ"_s, 0);
                                       t.clickBox(u"CheckBoxその他の運送会社"_s);
                                       t.enter(u"TextBoxその他の運送会社"_s, u"福山通運"_s);
                                   },
                                   u"・福山通運"_s, QString()}),
    [](const auto& info) { return info.param.name; });

// Clicking either box of the pair sets the other one to the same state.
struct MailBinCase {
    int clicks; // how many times element `element` is clicked
    int element;
    bool ticked;
};
void PrintTo(const MailBinCase& c, std::ostream* os) {
    *os << c.clicks << " click(s) on element " << c.element;
}

class MailBinPair : public Form1Triggers, public ::testing::WithParamInterface<MailBinCase> {};

TEST_P(MailBinPair, StaysInStep) {
    const MailBinCase& c = GetParam();
    m_form->findChild<QTabWidget*>(u"SSTab1"_s)->setCurrentIndex(c.element == 0 ? 2 : 0);
    for (int i = 0; i < c.clicks; ++i)
        clickBox(u"CheckBoxクロネコメール便_%1"_s.arg(c.element));
    EXPECT_EQ(child<QCheckBox>(u"CheckBoxクロネコメール便_0"_s)->isChecked(), c.ticked);
    EXPECT_EQ(child<QCheckBox>(u"CheckBoxクロネコメール便_1"_s)->isChecked(), c.ticked);
    EXPECT_EQ(m_form->record().CheckBoxクロネコメール便, c.ticked ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Clicks, MailBinPair,
                         ::testing::Values(MailBinCase{1, 0, true}, MailBinCase{1, 1, true},
                                           MailBinCase{2, 0, false}, MailBinCase{2, 1, false}));

TEST_F(Form1Triggers, PaymentClickAndLeavingTheOtherMethodRecompose) {
    m_form->findChild<QTabWidget*>(u"SSTab1"_s)->setCurrentIndex(1);
    clickBox(u"CheckBoxかんたん決済"_s);
    EXPECT_EQ(label(u"Label支払い方法"_s), u"・Yahoo!かんたん決済　\r\n"_s);
    clickBox(u"CheckBoxその他"_s);
    enter(u"TextBoxその他"_s, u"切手"_s);
    EXPECT_EQ(label(u"Label支払い方法"_s), u"・Yahoo!かんたん決済　\r\n・その他　(切手)"_s);
}

// Values put in by code (as the restore does) wait for the next event of the seller.
TEST_F(Form1Triggers, ValuesSetByCodeDoNotRecompose) {
    child<QCheckBox>(u"CheckBoxかんたん決済"_s)->setChecked(true);
    child<QComboBox>(u"ComboBox商品サイズ"_s)->setCurrentIndex(0);
    child<QComboBox>(u"ComboBox商品重さ"_s)->setCurrentIndex(0);
    child<QCheckBox>(u"CheckBoxゆうパック"_s)->setChecked(true);
    EXPECT_EQ(label(u"Label支払い方法"_s), QString());
    EXPECT_EQ(label(u"Label送料1"_s), QString());
}

// The tab control taking the focus refreshes page 0's summaries, and only on page 0.
struct TabFocusCase {
    int page;
    bool refreshes;
};
void PrintTo(const TabFocusCase& c, std::ostream* os) {
    *os << "page " << c.page;
}

class TabFocusRefresh : public Form1Triggers, public ::testing::WithParamInterface<TabFocusCase> {};

TEST_P(TabFocusRefresh, RefreshesOnlyOnPageZero) {
    auto* tabs = m_form->findChild<QTabWidget*>(u"SSTab1"_s);
    tabs->setCurrentIndex(GetParam().page);
    // Somewhere other than the tab bar, so giving it the focus is a change.
    child<QPushButton>(u"ButtonPreview"_s)->setFocus();
    child<QCheckBox>(u"CheckBox銀行1"_s)->setChecked(true);
    child<QLineEdit>(u"TextBox銀行名1"_s)->setText(u"みずほ銀行"_s);
    child<QComboBox>(u"ComboBox商品サイズ"_s)->setCurrentIndex(0);
    child<QComboBox>(u"ComboBox商品重さ"_s)->setCurrentIndex(0);
    child<QCheckBox>(u"CheckBoxゆうパック"_s)->setChecked(true);
    tabs->tabBar()->setFocus(Qt::OtherFocusReason);
    ASSERT_TRUE(tabs->tabBar()->hasFocus());
    const bool r = GetParam().refreshes;
    EXPECT_EQ(label(u"Label支払い方法"_s), r ? u"・みずほ銀行　\r\n"_s : QString());
    EXPECT_EQ(label(u"Label送料1"_s), r ? u"・ゆうパック60サイズ　\r\n"_s : QString());
}

INSTANTIATE_TEST_SUITE_P(Pages, TabFocusRefresh,
                         ::testing::Values(TabFocusCase{0, true}, TabFocusCase{1, false},
                                           TabFocusCase{3, false}));

// A click on the first tab focuses the tab bar before it switches the page.
TEST_F(Form1Triggers, ClickingBackToPageZeroRefreshes) {
    auto* tabs = m_form->findChild<QTabWidget*>(u"SSTab1"_s);
    tabs->setCurrentIndex(1);
    child<QCheckBox>(u"CheckBox現金書留"_s)->setChecked(true);
    QTabBar* bar = tabs->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(0).center());
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_EQ(label(u"Label支払い方法"_s), u"・現金書留　\r\n"_s);
}

TEST_F(Form1Triggers, ActivationRecomposesBothSummaries) {
    child<QCheckBox>(u"CheckBox代金引換"_s)->setChecked(true);
    child<QComboBox>(u"ComboBox商品サイズ"_s)->setCurrentIndex(9);
    child<QComboBox>(u"ComboBox商品重さ"_s)->setCurrentIndex(0);
    child<QCheckBox>(u"CheckBoxゆうパック"_s)->setChecked(true);
    leaveAndComeBack();
    EXPECT_EQ(label(u"Label支払い方法"_s), u"・代金引換　\r\n"_s);
    EXPECT_EQ(label(u"Label送料1"_s), u"・ゆうパック170サイズ　\r\n"_s);
}

// A bank name shows only after a recomposing event; leaving the other-method field is one
// even when that field's own text did not change.
TEST_F(Form1Triggers, LeavingTheOtherMethodFieldUnchangedRecomposes) {
    clickBox(u"CheckBox銀行1"_s);
    child<QLineEdit>(u"TextBox銀行名1"_s)->setText(u"みずほ"_s);
    EXPECT_EQ(label(u"Label支払い方法"_s), QString());
    enter(u"TextBoxその他"_s, QString());
    EXPECT_EQ(label(u"Label支払い方法"_s), u"・みずほ　\r\n"_s);
}

} // namespace
