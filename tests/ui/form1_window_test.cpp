// The window as a whole: its fixed size, its record of the fields, and closing it.
#include "form1_fixture.h"
#include "ui/widgets/swatch_label.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

class Form1Window : public Form1Fixture {
protected:
    void SetUp() override {
        Form1Fixture::SetUp();
        createForm();
    }
};

TEST_F(Form1Window, KeepsItsLoadedSize) {
    showActive();
    const QSize loaded = m_form->size();
    m_form->resize(loaded + QSize(200, 150));
    QTest::qWait(0);
    EXPECT_EQ(m_form->size(), loaded);
    EXPECT_EQ(m_form->minimumSize(), m_form->maximumSize());
    EXPECT_FALSE(m_form->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(m_form->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
}

TEST_F(Form1Window, HasTheDesignedClientArea) {
    const QWidget* client = m_form->centralWidget();
    m_form->show();
    EXPECT_EQ(client->width(), 631);
    EXPECT_NEAR(client->height(), 568, 2);
}

// A widget squeezed below what its caption needs, or reaching past its parent, shows its
// caption clipped. Word-wrapped labels need the height of their wrapped lines.
TEST_F(Form1Window, GivesEveryCaptionTheRoomItNeeds) {
    m_form->show();
    auto* tabs = m_form->findChild<QTabWidget*>(u"SSTab1"_s);
    for (int page = 0; page < tabs->count(); ++page) {
        tabs->setCurrentIndex(page);
        for (QWidget* widget : m_form->findChildren<QWidget*>()) {
            if (!widget->isVisible() || widget->objectName().isEmpty() || widget->isWindow())
                continue;
            const auto name = widget->objectName().toStdString();
            const QSize needed = widget->minimumSizeHint();
            EXPECT_GE(widget->width(), needed.width()) << name;
            auto* label = qobject_cast<QLabel*>(widget);
            const int height = label != nullptr && label->wordWrap()
                                   ? label->heightForWidth(label->width())
                                   : needed.height();
            EXPECT_GE(widget->height(), height) << name;
            EXPECT_TRUE(widget->parentWidget()->rect().contains(widget->geometry())) << name;
        }
    }
}

TEST_F(Form1Window, RecordReadsTheFieldsAsTheFilesKeepThem) {
    child<QPlainTextEdit>(u"TextBox商品説明"_s)->setPlainText(u"一行目\n二行目"_s);
    child<QComboBox>(u"ComboBox商品重さ"_s)->setCurrentIndex(6);
    child<QCheckBox>(u"CheckBoxその他"_s)->setTristate(true);
    child<QCheckBox>(u"CheckBoxその他"_s)->setCheckState(Qt::PartiallyChecked);
    child<QRadioButton>(u"OptionButton9"_s)->setChecked(true);
    const core::ListingRecord record = m_form->record();
    EXPECT_EQ(record.TextBox商品説明, u"一行目\r\n二行目"_s);
    EXPECT_EQ(record.ComboBox商品重さ, (core::ComboValue{u"1kg"_s, 6}));
    EXPECT_EQ(record.ComboBoxクロネコメール便, (core::ComboValue{u"クロネコメール便"_s, -1}));
    EXPECT_EQ(record.CheckBoxその他, 2);
    EXPECT_EQ(record.colourPreset, 9);
    EXPECT_EQ(record.L92, platform::kWhite);
    EXPECT_EQ(record.CommandT, platform::kBlack);
}

// Each choice of a record lands in its own control and reads back unchanged: no scheme, the
// first and the seller's own; each booth option; each colour on its own swatch.
struct Choices {
    int scheme;
    bool booth[3];
};
void PrintTo(const Choices& c, std::ostream* os) {
    *os << "scheme " << c.scheme;
}

class Form1RecordChoices : public Form1Window, public ::testing::WithParamInterface<Choices> {};

TEST_P(Form1RecordChoices, ComeBackFromTheirOwnControls) {
    core::ListingRecord record = m_form->record();
    record.colourPreset = GetParam().scheme;
    record.OptionBooth1 = GetParam().booth[0];
    record.OptionBooth2 = GetParam().booth[1];
    record.OptionBooth3 = GetParam().booth[2];
    const std::pair<platform::ColourValue core::ListingRecord::*, QString> swatches[] = {
        {&core::ListingRecord::L92, u"L92"_s},
        {&core::ListingRecord::L93, u"L93"_s},
        {&core::ListingRecord::CommandT, u"CommandT"_s},
        {&core::ListingRecord::CommandM, u"CommandM"_s},
        {&core::ListingRecord::CommandSR, u"CommandSR"_s}};
    platform::ColourValue colour = 0x000080;
    for (const auto& [field, name] : swatches)
        record.*field = colour += 0x010100;
    m_form->applyRecord(record);
    const core::ListingRecord back = m_form->record();
    EXPECT_EQ(back.colourPreset, GetParam().scheme);
    EXPECT_EQ(back.OptionBooth1, GetParam().booth[0]);
    EXPECT_EQ(back.OptionBooth2, GetParam().booth[1]);
    EXPECT_EQ(back.OptionBooth3, GetParam().booth[2]);
    for (const auto& [field, name] : swatches) {
        EXPECT_EQ(back.*field, record.*field) << name.toStdString();
        EXPECT_EQ(child<ui::SwatchLabel>(name)->colour(), record.*field) << name.toStdString();
    }
    // A scheme swatch's caption stays readable on a dark colour.
    EXPECT_EQ(child<ui::SwatchLabel>(u"L92"_s)->palette().color(QPalette::WindowText),
              QColor(Qt::black));
}

INSTANTIATE_TEST_SUITE_P(Record, Form1RecordChoices,
                         ::testing::Values(Choices{-1, {false, false, false}},
                                           Choices{0, {true, false, false}},
                                           Choices{5, {false, true, false}},
                                           Choices{9, {false, false, true}}));

// A ticked or clear box read from a file takes the seller's clicks as two states only.
TEST_F(Form1Window, ABoxFromARecordClicksBetweenTickedAndClear) {
    core::ListingRecord record = m_form->record();
    record.CheckBoxその他 = 0;
    m_form->applyRecord(record);
    child<QCheckBox>(u"CheckBoxその他"_s)->click();
    EXPECT_EQ(m_form->record().CheckBoxその他, 1);
    child<QCheckBox>(u"CheckBoxその他"_s)->click();
    EXPECT_EQ(m_form->record().CheckBoxその他, 0);
}

TEST_F(Form1Window, SchemeOptionsAreExclusive) {
    child<QRadioButton>(u"OptionButton1"_s)->click();
    child<QRadioButton>(u"OptionButton0"_s)->click();
    EXPECT_FALSE(child<QRadioButton>(u"OptionButton1"_s)->isChecked());
    child<QRadioButton>(u"OptionBooth2"_s)->click();
    child<QRadioButton>(u"OptionBooth3"_s)->click();
    EXPECT_FALSE(child<QRadioButton>(u"OptionBooth2"_s)->isChecked());
    EXPECT_TRUE(child<QRadioButton>(u"OptionButton0"_s)->isChecked());
}

TEST_F(Form1Window, EndButtonAndEndEntryClose) {
    showActive();
    QTest::mouseClick(child<QPushButton>(u"ButtonEnd"_s), Qt::LeftButton);
    EXPECT_FALSE(m_form->isVisible());
    showActive();
    child<QAction>(u"mnuEnd"_s)->trigger();
    EXPECT_FALSE(m_form->isVisible());
}

} // namespace
