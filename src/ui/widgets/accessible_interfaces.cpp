#include "ui/widgets/accessible_interfaces.h"

#include "ui/widgets/display_label.h"
#include "ui/widgets/named_combo_box.h"
#include "ui/widgets/swatch_label.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QCheckBox>
#include <algorithm>

namespace ui {

namespace {

// What a widget shows, as a read-only text with neither caret nor selection. The Linux
// accessibility bridge passes a text interface on, where it drops the "value" text, so this
// is what a screen reader reads as the display's or the list's current content.
class ShownText : public QAccessibleTextInterface {
public:
    virtual QString shownText() const = 0;

    QString text(int startOffset, int endOffset) const override {
        const QString all = shownText();
        const int start = std::clamp(startOffset, 0, int(all.size()));
        // A negative end means "to the end", as assistive technology asks for everything.
        const int end =
            endOffset < 0 ? int(all.size()) : std::clamp(endOffset, start, int(all.size()));
        return all.mid(start, end - start);
    }
    int characterCount() const override { return int(shownText().size()); }

    void selection(int, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* startOffset, int* endOffset) const override {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }
};

// Named by what it shows; the value and the text are what the program wrote.
class DisplayLabelInterface : public QAccessibleWidget, public ShownText {
public:
    explicit DisplayLabelInterface(DisplayLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString shownText() const override { return static_cast<const QLabel*>(widget())->text(); }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override {
        const auto* label = static_cast<const DisplayLabel*>(widget());
        if (kind == QAccessible::Name && label->accessibleName().isEmpty())
            return label->text();
        if (kind == QAccessible::Value)
            return label->text();
        return QAccessibleWidget::text(kind);
    }
};

// The value is the colour; a clickable swatch reads as a button that can be pressed.
class SwatchLabelInterface : public QAccessibleWidget {
public:
    explicit SwatchLabelInterface(SwatchLabel* swatch)
        : QAccessibleWidget(swatch, QAccessible::StaticText) {}

    QAccessible::Role role() const override {
        return swatch()->isClickable() ? QAccessible::Button : QAccessible::StaticText;
    }

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name && swatch()->accessibleName().isEmpty())
            return swatch()->text();
        if (kind == QAccessible::Value)
            return swatch()->colourName();
        return QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override {
        return swatch()->isClickable() ? QStringList{pressAction()} : QStringList{};
    }

    void doAction(const QString& action) override {
        if (action == pressAction())
            swatch()->click();
    }

private:
    SwatchLabel* swatch() const { return static_cast<SwatchLabel*>(widget()); }
};

// Named by what it chooses; the value and the text are the chosen entry, the one child the
// drop-down list.
class NamedComboBoxInterface : public QAccessibleWidget, public ShownText {
public:
    explicit NamedComboBoxInterface(NamedComboBox* combo)
        : QAccessibleWidget(combo, QAccessible::ComboBox) {}

    QString shownText() const override { return combo()->shownEntry(); }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value)
            return combo()->currentText();
        return QAccessibleWidget::text(kind);
    }

    int childCount() const override { return 1; }

    QAccessibleInterface* child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(combo()->view()) : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        return child != nullptr && child->object() == combo()->view() ? 0 : -1;
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = combo()->view()->isVisible();
        return state;
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }

    void doAction(const QString& action) override {
        if (action != showMenuAction() && action != pressAction())
            return;
        if (combo()->view()->isVisible())
            combo()->hidePopup();
        else
            combo()->showPopup();
    }

private:
    NamedComboBox* combo() const { return static_cast<NamedComboBox*>(widget()); }
};

// A check box whose tick action clicks it, as the seller's mouse or Space key does. Qt's own
// action toggles the box without the clicked signal, so what follows the seller's ticks (the
// payment and shipping summaries) would not hear a tick given through assistive technology.
class CheckBoxInterface : public QAccessibleWidget {
public:
    explicit CheckBoxInterface(QCheckBox* box) : QAccessibleWidget(box, QAccessible::CheckBox) {}

    QString text(QAccessible::Text kind) const override {
        QString text = QAccessibleWidget::text(kind);
        if (kind == QAccessible::Name && text.isEmpty())
            text = withoutMnemonic(box()->text());
        return text;
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = box()->checkState() == Qt::Checked;
        state.checkStateMixed = box()->checkState() == Qt::PartiallyChecked;
        state.pressed = box()->isDown();
        return state;
    }

    QStringList actionNames() const override {
        return QStringList{toggleAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action != toggleAction() && action != pressAction())
            QAccessibleWidget::doAction(action);
        else if (box()->isEnabled())
            box()->click();
    }

private:
    QCheckBox* box() const { return static_cast<QCheckBox*>(widget()); }

    // "&Name" is read "Name"; "&&" stands for one "&".
    static QString withoutMnemonic(const QString& caption) {
        QString plain;
        for (qsizetype i = 0; i < caption.size(); ++i) {
            if (caption[i] == u'&' && ++i == caption.size())
                break;
            plain += caption[i];
        }
        return plain;
    }
};

QAccessibleInterface* interfaceFor(const QString& /*className*/, QObject* object) {
    if (auto* box = qobject_cast<QCheckBox*>(object))
        return new CheckBoxInterface(box);
    if (auto* swatch = qobject_cast<SwatchLabel*>(object))
        return new SwatchLabelInterface(swatch);
    if (auto* label = qobject_cast<DisplayLabel*>(object))
        return new DisplayLabelInterface(label);
    if (auto* combo = qobject_cast<NamedComboBox*>(object))
        return new NamedComboBoxInterface(combo);
    return nullptr;
}

} // namespace

void installAccessibleInterfaces() {
    static const bool installed = [] {
        QAccessible::installFactory(&interfaceFor);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace ui
