#include "ui/form1/form1_record_binding.h"

#include "ui/form1/field_values.h"
#include "ui/widgets/swatch_label.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace ui {

namespace {

using R = core::ListingRecord;
using W = Form1Widgets;
using F = content::FormLists;
constexpr bool kHeld = true;

// clang-format off
const FieldBinding<core::CheckValue, QCheckBox> kChecks[] = {
    {&R::CheckBox最安値, &W::m_CheckBox最安値},
    {&R::CheckBoxかんたん決済, &W::m_CheckBoxかんたん決済},
    {&R::CheckBoxネットバンキング, &W::m_CheckBoxネットバンキング},
    {&R::CheckBoxゆうちょ銀行, &W::m_CheckBoxゆうちょ銀行},
    {&R::CheckBox銀行1, &W::m_CheckBox銀行1},
    {&R::CheckBox銀行2, &W::m_CheckBox銀行2},
    {&R::CheckBox銀行3, &W::m_CheckBox銀行3},
    {&R::CheckBox現金書留, &W::m_CheckBox現金書留},
    {&R::CheckBox代金引換, &W::m_CheckBox代金引換},
    {&R::CheckBoxその他, &W::m_CheckBoxその他},
    {&R::Check支払いl説明, &W::m_Check支払いl説明},
    {&R::CheckBox定形郵便, &W::m_CheckBox定形郵便},
    {&R::CheckBox定形外郵便, &W::m_CheckBox定形外郵便},
    {&R::CheckBoxゆうメール, &W::m_CheckBoxゆうメール},
    {&R::CheckBoxミニレター, &W::m_CheckBoxミニレター},
    {&R::CheckBoxレターパック350, &W::m_CheckBoxレターパック350},
    {&R::CheckBoxレターパック500, &W::m_CheckBoxレターパック500},
    {&R::CheckBoxゆうパック, &W::m_CheckBoxゆうパック},
    {&R::CheckBoxゆうパック持込割引, &W::m_CheckBoxゆうパック持込割引},
    {&R::CheckBoxクロネコ宅急便, &W::m_CheckBoxクロネコ宅急便},
    {&R::CheckBoxクロネコ宅急便持込割引, &W::m_CheckBoxクロネコ宅急便持込割引},
    {&R::CheckBoxはこBOON, &W::m_CheckBoxはこBOON},
    {&R::CheckBox送料一律, &W::m_CheckBox送料一律},
    {&R::CheckBoxその他の運送会社, &W::m_CheckBoxその他の運送会社},
    {&R::Check発送説明, &W::m_Check発送説明},
    {&R::Check注意事項, &W::m_Check注意事項},
};

const FieldBinding<QString, QLineEdit> kTexts[] = {
    {&R::TextBoxタイトル, &W::m_TextBoxタイトル},
    {&R::TextBoxJAN, &W::m_TextBoxJAN},
    {&R::TextBoxゆうちょ記号, &W::m_TextBoxゆうちょ記号},
    {&R::TextBoxゆうちょ番号, &W::m_TextBoxゆうちょ番号},
    {&R::TextBox銀行名1, &W::m_TextBox銀行名1},
    {&R::TextBox銀行名2, &W::m_TextBox銀行名2},
    {&R::TextBox銀行名3, &W::m_TextBox銀行名3},
    {&R::TextBox支店名1, &W::m_TextBox支店名1},
    {&R::TextBox支店名2, &W::m_TextBox支店名2},
    {&R::TextBox支店名3, &W::m_TextBox支店名3},
    {&R::TextBox口座番号1, &W::m_TextBox口座番号1},
    {&R::TextBox口座番号2, &W::m_TextBox口座番号2},
    {&R::TextBox口座番号3, &W::m_TextBox口座番号3},
    {&R::TextBox代金引換, &W::m_TextBox代金引換},
    {&R::TextBoxその他, &W::m_TextBoxその他},
    {&R::TextBox送料一律, &W::m_TextBox送料一律},
    {&R::TextBoxその他の運送会社, &W::m_TextBoxその他の運送会社},
    {&R::Textyahooid, &W::m_Textyahooid},
    {&R::TextBoothUser, &W::m_TextBoothUser},
};

const FieldBinding<QString, QPlainTextEdit> kMultiLines[] = {
    {&R::TextBox商品説明, &W::m_TextBox商品説明},
    {&R::Text支払説明, &W::m_Text支払説明},
    {&R::Text発送注意事項, &W::m_Text発送注意事項},
    {&R::Text注意事項, &W::m_Text注意事項},
};

const FieldBinding<QString, QLabel> kDisplays[] = {
    {&R::Label12, &W::m_Label12},
    {&R::Label支払い方法, &W::m_Label支払い方法, kHeld},
    {&R::Label送料1, &W::m_Label送料1, kHeld},
    {&R::Label送料2, &W::m_Label送料2, kHeld},
    {&R::Label15, &W::m_Label15, kHeld},
};

const FieldBinding<platform::ColourValue, SwatchLabel> kColours[] = {
    {&R::L92, &W::m_L92, kHeld},
    {&R::L93, &W::m_L93, kHeld},
    {&R::CommandT, &W::m_CommandT, kHeld},
    {&R::CommandM, &W::m_CommandM, kHeld},
    {&R::CommandSR, &W::m_CommandSR, kHeld},
};

const ComboBinding kCombos[] = {
    {&R::ComboBox商品サイズ, &W::m_ComboBox商品サイズ, &F::sizes},
    {&R::ComboBox商品重さ, &W::m_ComboBox商品重さ, &F::weights},
    {&R::ComboBoxクロネコメール便, &W::m_ComboBoxクロネコメール便, &F::envelopeClasses},
    {&R::Combo都道府県, &W::m_Combo都道府県, &F::prefectures},
    {&R::ComboMyBooth, &W::m_ComboMyBooth, &F::boothDisplays},
    {&R::ComboBox表示幅, &W::m_ComboBox表示幅, &F::displayWidths},
    {&R::ComboBox表示位置, &W::m_ComboBox表示位置, &F::displayPositions},
    {&R::ComboTS1, &W::m_ComboTS1, &F::titleStyles},
    {&R::ComboTS2, &W::m_ComboTS2, &F::titleSizes},
    {&R::ComboMS1, &W::m_ComboMS1, &F::headingStyles},
    {&R::ComboMS2, &W::m_ComboMS2, &F::headingSizes},
    {&R::ComboSR1, &W::m_ComboSR1, &F::textStyles},
    {&R::ComboSR2, &W::m_ComboSR2, &F::textSizes},
};
// clang-format on

void setCheckValue(QCheckBox* box, core::CheckValue value) {
    // Grey only comes from old data files; the seller's own clicks stay two-state.
    box->setTristate(value == 2);
    box->setCheckState(value == 2   ? Qt::PartiallyChecked
                       : value == 1 ? Qt::Checked
                                    : Qt::Unchecked);
}

void setComboValue(QComboBox* combo, const core::ComboValue& value) {
    combo->setCurrentIndex(value.position < combo->count() ? value.position : -1);
}

void setMultiLineValue(QPlainTextEdit* text, const QString& value) {
    QString lines = value;
    text->setPlainText(lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void setLabelText(QLabel* label, const QString& text) {
    if (label->text() != text)
        label->setText(text);
}

// Turns on option `chosen` of an exclusive group, or none when it is outside the group.
void chooseOption(std::span<QRadioButton* const> options, int chosen) {
    if (chosen >= 0 && chosen < int(options.size())) {
        options[std::size_t(chosen)]->setChecked(true);
        return;
    }
    // An exclusive group refuses to turn its last option off.
    QButtonGroup* group = options.front()->group();
    if (group)
        group->setExclusive(false);
    for (QRadioButton* option : options)
        option->setChecked(false);
    if (group)
        group->setExclusive(true);
}

// Every binding of `bindings` that `fields` asks for.
template <typename Binding, typename Write>
void writeEach(std::span<const Binding> bindings, Fields fields, Write write) {
    for (const Binding& binding : bindings) {
        if (fields == Fields::All || binding.held)
            write(binding);
    }
}

} // namespace

std::span<const FieldBinding<core::CheckValue, QCheckBox>> checkBindings() {
    return kChecks;
}
std::span<const FieldBinding<QString, QLineEdit>> textBindings() {
    return kTexts;
}
std::span<const FieldBinding<QString, QPlainTextEdit>> multiLineBindings() {
    return kMultiLines;
}
std::span<const FieldBinding<QString, QLabel>> displayBindings() {
    return kDisplays;
}
std::span<const FieldBinding<platform::ColourValue, SwatchLabel>> colourBindings() {
    return kColours;
}
std::span<const ComboBinding> comboBindings() {
    return kCombos;
}

core::ListingRecord readRecord(const Form1Widgets& w) {
    core::ListingRecord r;
    for (const auto& b : kChecks)
        r.*b.value = checkValue(w.*b.widget);
    for (const auto& b : kTexts)
        r.*b.value = (w.*b.widget)->text();
    for (const auto& b : kMultiLines)
        r.*b.value = multiLineValue(w.*b.widget);
    for (const auto& b : kDisplays)
        r.*b.value = (w.*b.widget)->text();
    for (const auto& b : kColours)
        r.*b.value = (w.*b.widget)->colour();
    for (const auto& b : kCombos)
        r.*b.value = comboValue(w.*b.widget);
    // The two mail-bin boxes are kept equal; the one on the carrier panel is the value.
    r.CheckBoxクロネコメール便 = checkValue(w.m_CheckBoxクロネコメール便[0]);
    r.OptionBooth1 = w.m_OptionBooth1->isChecked();
    r.OptionBooth2 = w.m_OptionBooth2->isChecked();
    r.OptionBooth3 = w.m_OptionBooth3->isChecked();
    r.colourPreset = -1;
    for (std::size_t scheme = 0; scheme < w.m_OptionButton.size(); ++scheme) {
        if (w.m_OptionButton[scheme]->isChecked())
            r.colourPreset = int(scheme);
    }
    return r;
}

void writeRecord(Form1Widgets& w, const core::ListingRecord& r, Fields fields) {
    writeEach<FieldBinding<QString, QLineEdit>>(
        kTexts, fields, [&](const auto& b) { (w.*b.widget)->setText(r.*b.value); });
    writeEach<FieldBinding<QString, QPlainTextEdit>>(
        kMultiLines, fields, [&](const auto& b) { setMultiLineValue(w.*b.widget, r.*b.value); });
    writeEach<FieldBinding<core::CheckValue, QCheckBox>>(
        kChecks, fields, [&](const auto& b) { setCheckValue(w.*b.widget, r.*b.value); });
    if (fields == Fields::All) {
        for (QCheckBox* element : w.m_CheckBoxクロネコメール便)
            setCheckValue(element, r.CheckBoxクロネコメール便);
    }
    writeEach<FieldBinding<QString, QLabel>>(
        kDisplays, fields, [&](const auto& b) { setLabelText(w.*b.widget, r.*b.value); });
    // Every list position and colour is a held value.
    for (const ComboBinding& b : kCombos)
        setComboValue(w.*b.widget, r.*b.value);
    for (const auto& b : kColours)
        (w.*b.widget)->setColour(r.*b.value);
    chooseOption(w.m_OptionButton, r.colourPreset);
    const int booth = r.OptionBooth1 ? 0 : r.OptionBooth2 ? 1 : r.OptionBooth3 ? 2 : -1;
    chooseOption(std::array{w.m_OptionBooth1, w.m_OptionBooth2, w.m_OptionBooth3}, booth);
}

void fillLists(Form1Widgets& w, const content::FormLists& lists) {
    for (const ComboBinding& b : kCombos) {
        QComboBox* combo = w.*b.widget;
        combo->clear();
        combo->addItems(lists.*b.items);
        // Nothing is chosen until the seller or the saved settings choose.
        combo->setCurrentIndex(-1);
    }
}

} // namespace ui
