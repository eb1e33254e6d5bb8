// The menu bar. Entries whose actions come later exist already and do nothing yet.
#include "ui/form1/form1_controls.h"
#include "ui/form1/form1_widgets.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace ui {

namespace {

QMenu* addMenu(QMenuBar* bar, QStringView name) {
    const ControlEntry& entry = form1Control(name);
    QMenu* menu = bar->addMenu(entry.caption.toString());
    menu->setObjectName(entry.name.toString());
    menu->menuAction()->setObjectName(entry.name.toString());
    menu->setAccessibleName(entry.accessibleName.toString());
    return menu;
}

QAction* addItem(QMenu* menu, QStringView name) {
    const ControlEntry& entry = form1Control(name);
    QAction* action = entry.kind == ControlKind::Separator
                          ? menu->addSeparator()
                          : menu->addAction(entry.caption.toString());
    action->setObjectName(entry.name.toString());
    return action;
}

} // namespace

void Form1Widgets::buildMenu(QMenuBar* bar) {
    m_mnuFile = addMenu(bar, u"mnuFile");
    m_mnuSOpen = addItem(m_mnuFile, u"mnuSOpen");
    m_mnuCOpen = addItem(m_mnuFile, u"mnuCOpen");
    addItem(m_mnuFile, u"mnuline1");
    m_mnuSaveSita = addItem(m_mnuFile, u"mnuSaveSita");
    m_mnuSaveComp = addItem(m_mnuFile, u"mnuSaveComp");
    addItem(m_mnuFile, u"mnuline2");
    m_mnurelease = addItem(m_mnuFile, u"mnurelease");
    addItem(m_mnuFile, u"mnuline3");
    m_mnuBackup = addItem(m_mnuFile, u"mnuBackup");
    m_mnuRestore = addItem(m_mnuFile, u"mnuRestore");
    m_mnuDataFolder = addItem(m_mnuFile, u"mnuDataFolder");
    addItem(m_mnuFile, u"mnuline5");
    m_mnuEnd = addItem(m_mnuFile, u"mnuEnd");

    m_mnusetting = addMenu(bar, u"mnusetting");
    m_mnuediter = addItem(m_mnusetting, u"mnuediter");

    m_mnuyahoo = addMenu(bar, u"mnuyahoo");
    m_mnumypage = addItem(m_mnuyahoo, u"mnumypage");

    m_mnuHelp = addMenu(bar, u"mnuHelp");
    m_mnumanyu = addItem(m_mnuHelp, u"mnumanyu");
    addItem(m_mnuHelp, u"mnuline4");
    m_mnuVersion = addItem(m_mnuHelp, u"mnuVersion");
}

} // namespace ui
