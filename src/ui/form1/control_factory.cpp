#include "ui/form1/control_factory.h"

#include "ui/widgets/display_label.h"
#include "ui/widgets/named_combo_box.h"
#include "ui/widgets/swatch_label.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

namespace ui {

using content::ControlEntry;
using content::ControlKind;

namespace {

QLabel* createLabel(const QString& caption, bool programWritten) {
    auto* label = programWritten ? new DisplayLabel(caption) : new QLabel(caption);
    // Captions and composed texts may hold "<", which must never turn them into markup.
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    if (programWritten)
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QComboBox* createCombo(const QString& placeholder) {
    auto* combo = new NamedComboBox;
    // Only the list position matters to the program, so the seller picks from the list.
    combo->setEditable(false);
    combo->setPlaceholderText(placeholder);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return combo;
}

QWidget* createOfKind(const ControlEntry& entry) {
    const QString caption = entry.caption.toString();
    switch (entry.kind) {
    case ControlKind::Tabs:
        return new QTabWidget;
    case ControlKind::Frame:
        return new QGroupBox(caption);
    case ControlKind::Label:
        return createLabel(caption, false);
    case ControlKind::Display:
        return createLabel(caption, true);
    case ControlKind::Text: {
        auto* text = new QLineEdit;
        text->setPlaceholderText(caption);
        return text;
    }
    case ControlKind::MultiLineText: {
        auto* text = new QPlainTextEdit;
        text->setTabChangesFocus(true);
        return text;
    }
    case ControlKind::Check:
        return new QCheckBox(caption);
    case ControlKind::Option:
        return new QRadioButton(caption);
    case ControlKind::Combo:
        return createCombo(caption);
    case ControlKind::BackSwatch:
    case ControlKind::ForeSwatch: {
        auto* swatch =
            new SwatchLabel(entry.kind == ControlKind::BackSwatch ? SwatchLabel::Paints::Background
                                                                  : SwatchLabel::Paints::Caption);
        swatch->setText(caption);
        return swatch;
    }
    case ControlKind::Button:
        return new QPushButton(caption);
    case ControlKind::Picture:
        return new QLabel;
    case ControlKind::Menu:
    case ControlKind::MenuItem:
    case ControlKind::Separator:
        break;
    }
    qFatal("no widget for control %s", qPrintable(entry.name.toString()));
}

} // namespace

QWidget* createControl(const ControlEntry& entry, QWidget* parent) {
    QWidget* widget = createOfKind(entry);
    widget->setParent(parent);
    widget->setObjectName(entry.name.toString());
    widget->setAccessibleName(entry.accessibleName.toString());
    if (entry.hidden)
        widget->hide();
    return widget;
}

} // namespace ui
