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

using content::ControlEntry;
using content::ControlKind;
using R = core::ListingRecord;
using F = content::FormLists;

// The record member of a row; the table guarantees it matches the row's kind.
template <typename Value> Value R::*memberOf(const ControlEntry& entry) {
    return std::get<Value R::*>(entry.field);
}

// clang-format off
// What fills each drop-down list.
const std::pair<core::ComboValue R::*, QStringList F::*> kListItems[] = {
    {&R::ComboBox商品サイズ, &F::sizes},
    {&R::ComboBox商品重さ, &F::weights},
    {&R::ComboBoxクロネコメール便, &F::envelopeClasses},
    {&R::Combo都道府県, &F::prefectures},
    {&R::ComboMyBooth, &F::boothDisplays},
    {&R::ComboBox表示幅, &F::displayWidths},
    {&R::ComboBox表示位置, &F::displayPositions},
    {&R::ComboTS1, &F::titleStyles},
    {&R::ComboTS2, &F::titleSizes},
    {&R::ComboMS1, &F::headingStyles},
    {&R::ComboMS2, &F::headingSizes},
    {&R::ComboSR1, &F::textStyles},
    {&R::ComboSR2, &F::textSizes},
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

void readControl(const ControlEntry& entry, const QObject* control, R& r) {
    switch (entry.kind) {
    case ControlKind::Check:
        r.*memberOf<core::CheckValue>(entry) = checkValue(static_cast<const QCheckBox*>(control));
        break;
    case ControlKind::Text:
        r.*memberOf<QString>(entry) = static_cast<const QLineEdit*>(control)->text();
        break;
    case ControlKind::MultiLineText:
        r.*memberOf<QString>(entry) = multiLineValue(static_cast<const QPlainTextEdit*>(control));
        break;
    case ControlKind::Display:
        r.*memberOf<QString>(entry) = static_cast<const QLabel*>(control)->text();
        break;
    case ControlKind::Combo:
        r.*memberOf<core::ComboValue>(entry) = comboValue(static_cast<const QComboBox*>(control));
        break;
    case ControlKind::BackSwatch:
    case ControlKind::ForeSwatch:
        r.*memberOf<platform::ColourValue>(entry) =
            static_cast<const SwatchLabel*>(control)->colour();
        break;
    default:
        break;
    }
}

void writeControl(const ControlEntry& entry, QObject* control, const R& r) {
    switch (entry.kind) {
    case ControlKind::Check:
        setCheckValue(static_cast<QCheckBox*>(control), r.*memberOf<core::CheckValue>(entry));
        break;
    case ControlKind::Text:
        static_cast<QLineEdit*>(control)->setText(r.*memberOf<QString>(entry));
        break;
    case ControlKind::MultiLineText:
        setMultiLineValue(static_cast<QPlainTextEdit*>(control), r.*memberOf<QString>(entry));
        break;
    case ControlKind::Display:
        setLabelText(static_cast<QLabel*>(control), r.*memberOf<QString>(entry));
        break;
    case ControlKind::Combo:
        setComboValue(static_cast<QComboBox*>(control), r.*memberOf<core::ComboValue>(entry));
        break;
    case ControlKind::BackSwatch:
    case ControlKind::ForeSwatch:
        static_cast<SwatchLabel*>(control)->setColour(r.*memberOf<platform::ColourValue>(entry));
        break;
    default:
        break;
    }
}

bool showsField(const ControlEntry& entry) {
    return !std::holds_alternative<std::monostate>(entry.field);
}

} // namespace

core::ListingRecord readRecord(const Form1Widgets& w) {
    core::ListingRecord r;
    // Both mail-bin boxes show one member and are kept equal; the one on the carrier panel
    // comes later in the table, so its value is the one kept.
    const auto rows = content::form1Controls();
    for (std::size_t row = 0; row < rows.size(); ++row) {
        if (showsField(rows[row]))
            readControl(rows[row], w.control(row), r);
    }
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
    const auto rows = content::form1Controls();
    // Kind by kind: the texts are in before the captions composed from them.
    for (ControlKind kind :
         {ControlKind::Text, ControlKind::MultiLineText, ControlKind::Check, ControlKind::Display,
          ControlKind::Combo, ControlKind::BackSwatch, ControlKind::ForeSwatch}) {
        for (std::size_t row = 0; row < rows.size(); ++row) {
            const ControlEntry& entry = rows[row];
            if (entry.kind == kind && showsField(entry) && (fields == Fields::All || entry.held))
                writeControl(entry, w.control(row), r);
        }
    }
    chooseOption(w.m_OptionButton, r.colourPreset);
    const int booth = r.OptionBooth1 ? 0 : r.OptionBooth2 ? 1 : r.OptionBooth3 ? 2 : -1;
    chooseOption(std::array{w.m_OptionBooth1, w.m_OptionBooth2, w.m_OptionBooth3}, booth);
}

void fillLists(Form1Widgets& w, const content::FormLists& lists) {
    const auto rows = content::form1Controls();
    for (const auto& [value, items] : kListItems) {
        const auto row = std::find_if(rows.begin(), rows.end(), [value = value](const auto& e) {
            return e.field == content::RecordField{value};
        });
        auto* combo = static_cast<QComboBox*>(w.control(std::size_t(row - rows.begin())));
        combo->clear();
        combo->addItems(lists.*items);
        // Nothing is chosen until the seller or the saved settings choose.
        combo->setCurrentIndex(-1);
    }
}

} // namespace ui
