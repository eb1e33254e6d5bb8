// Keyboard use of the main window: the Tab order, option groups entered at their chosen
// option, and the colour swatches that act as buttons.
#include "ui/form1/form1_keyboard_order.h"
#include "ui/form1/form1_widgets.h"
#include "ui/widgets/swatch_label.h"

#include <QAbstractButton>
#include <QButtonGroup>

namespace ui {

namespace {

// Qt makes a group of options one Tab stop at the option focused last, the first one to
// begin with. The seller expects to land on the option that is chosen, whoever chose it
// (a click, the arrow keys, or the settings put back at start).
void keepTabStopOnChosenOption(QButtonGroup* group) {
    QObject::connect(
        group, &QButtonGroup::buttonToggled, group, [group](QAbstractButton* chosen, bool checked) {
            if (!checked)
                return;
            for (QAbstractButton* option : group->buttons())
                option->setFocusPolicy(option == chosen ? Qt::StrongFocus : Qt::ClickFocus);
        });
}

} // namespace

void Form1Widgets::setUpKeyboard(QWidget* window) {
    for (QStringView name : form1ColourPickers())
        window->findChild<SwatchLabel*>(name.toString())->setClickable(true);

    for (QButtonGroup* group : window->findChildren<QButtonGroup*>())
        keepTabStopOnChosenOption(group);

    // Widgets join the focus chain as they are made, page by page; the order is set here
    // once instead, so it does not depend on how the pages happen to be built.
    QWidget* previous = nullptr;
    for (QStringView name : form1TabOrder()) {
        QWidget* control = window->findChild<QWidget*>(name.toString());
        Q_ASSERT(control != nullptr);
        if (previous != nullptr)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

} // namespace ui
