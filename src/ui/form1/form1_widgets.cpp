#include "ui/form1/form1_widgets.h"

#include "ui/form1/control_factory.h"
#include "ui/form1/form1_controls.h"

#include <QHBoxLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace ui {

void Form1Widgets::build(QMainWindow* window) {
    auto* central = new QWidget(window);
    central->setObjectName(QStringLiteral("Form1Client"));
    m_SSTab1 = createControlOf<QTabWidget>(u"SSTab1", central);
    const auto captions = form1PageCaptions();
    m_SSTab1->addTab(buildItemPage(), captions[0].toString());
    m_SSTab1->addTab(buildPaymentPage(), captions[1].toString());
    m_SSTab1->addTab(buildShippingPage(), captions[2].toString());
    m_SSTab1->addTab(buildBasicPage(), captions[3].toString());
    m_SSTab1->addTab(buildDesignPage(), captions[4].toString());
    for (int page = 0; page < m_SSTab1->count(); ++page)
        m_SSTab1->widget(page)->setObjectName(QStringLiteral("SSTab1Page%1").arg(page));

    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    layout->addWidget(m_SSTab1, 1);
    layout->addWidget(buildButtonRow());
    window->setCentralWidget(central);
    buildMenu(window->menuBar());
    setUpKeyboard(window);
}

QWidget* Form1Widgets::buildButtonRow() {
    auto* row = new QWidget;
    m_ButtonPreview = createControlOf<QPushButton>(u"ButtonPreview", row);
    m_Command1 = createControlOf<QPushButton>(u"Command1", row);
    m_Command2 = createControlOf<QPushButton>(u"Command2", row);
    m_ButtonEnd = createControlOf<QPushButton>(u"ButtonEnd", row);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch(1);
    for (QPushButton* button : {m_ButtonPreview, m_Command1, m_Command2, m_ButtonEnd}) {
        button->setMinimumWidth(100);
        layout->addWidget(button);
    }
    return row;
}

} // namespace ui
