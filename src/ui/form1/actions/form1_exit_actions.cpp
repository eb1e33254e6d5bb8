// The ways out: the end button and the end entry of the file menu close the window; the
// close itself (Form1::closeEvent) saves the standing choices.
#include "ui/form1/actions/form1_actions.h"
#include "ui/form1/form1.h"

#include <QAction>
#include <QPushButton>

namespace ui {

void connectExitActions(const Form1Context& c) {
    QObject::connect(c.widgets.m_ButtonEnd, &QPushButton::clicked, &c.window, &QWidget::close);
    QObject::connect(c.widgets.m_mnuEnd, &QAction::triggered, &c.window, &QWidget::close);
}

} // namespace ui
