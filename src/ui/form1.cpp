#include "form1.h"

#include "control_factory.h"
#include "form1_controls.h"

#include <QEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <utility>

namespace ui {

namespace {

// The client area the window was designed for, in pixels at 96 dpi.
constexpr int kClientWidth = 631;
constexpr int kClientHeight = 568;

} // namespace

Form1::Form1(const Form1Services& services, QWidget* parent)
    : QMainWindow(parent), m_services(services) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(kForm1Title.toString());
    // Minimise and close, but no maximise: the window keeps the size it was built with.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    buildWindow();
    setUpKeyboard();
    connectComposerTriggers();
    InitializeMainWindow();
    // Only now: filling the lists at start-up must not count as the seller's choice.
    connectHeldValueHandlers();
    keepLoadedSize();
    // The seller starts with the title, not on the tab bar that comes first in tab order.
    m_TextBoxタイトル->setFocus();
}

void Form1::buildWindow() {
    auto* central = new QWidget(this);
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
    setCentralWidget(central);
    buildMenu();
}

QWidget* Form1::buildButtonRow() {
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
    connect(m_ButtonEnd, &QPushButton::clicked, this, &QWidget::close);
    return row;
}

void Form1::keepLoadedSize() {
    // Fixed from the start, so dragging the border snaps back and there is nothing to
    // maximise; minimising still works.
    setFixedSize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
}

void Form1::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        onWindowActivated();
}

void Form1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The first showing applies the held selections even where no window manager makes the
    // window active (activation then applies them again, which changes nothing).
    if (!std::exchange(m_shownOnce, true))
        onWindowActivated();
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    const bool tabControl = watched == m_SSTab1 || watched == m_SSTab1->tabBar();
    if (tabControl && event->type() == QEvent::FocusIn && m_SSTab1->currentIndex() == 0)
        refreshItemPageSummaries();
    if (event->type() == QEvent::FocusOut) {
        if (watched == m_TextBoxその他)
            refreshPaymentSummary();
        else if (watched == m_TextBoxその他の運送会社 || watched == m_TextBox送料一律)
            refreshShippingSummary();
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace ui
