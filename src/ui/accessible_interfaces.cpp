#include "accessible_interfaces.h"

#include "display_label.h"
#include "named_combo_box.h"
#include "swatch_label.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>

namespace ui {

namespace {

// Named by what it shows; the value is the text the program wrote.
class DisplayLabelInterface : public QAccessibleWidget {
public:
    explicit DisplayLabelInterface(DisplayLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText) {}

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

// Named by what it chooses; the value is the chosen text, the one child the drop-down list.
class NamedComboBoxInterface : public QAccessibleWidget {
public:
    explicit NamedComboBoxInterface(NamedComboBox* combo)
        : QAccessibleWidget(combo, QAccessible::ComboBox) {}

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

QAccessibleInterface* interfaceFor(const QString& /*className*/, QObject* object) {
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
