// The seller's clicks, list choices and field exits that recompose the payment summary
// (Label支払い方法) and the shipping summary (Label送料1, Label送料2).
#include "ui/form1/actions/form1_actions.h"
#include "ui/form1/form1.h"
#include "ui/widgets/focus_events.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>

namespace ui {

namespace {

void refreshPayment(const Form1Context& c) {
    c.widgets.m_Label支払い方法->setText(c.form.paymentText(c.window.record()));
}

void refreshShipping(const Form1Context& c) {
    const content::ShippingCaptions captions = c.form.shippingText(c.window.record());
    c.widgets.m_Label送料1->setText(captions.first);
    c.widgets.m_Label送料2->setText(captions.second);
}

void refreshItemPage(const Form1Context& c) {
    refreshShipping(c);
    refreshPayment(c);
}

// Both boxes of the mail-bin group stand for one choice: a click on one sets the other.
void setMailBinFromElement(const Form1Context& c, std::size_t element) {
    const QCheckBox* clicked = c.widgets.m_CheckBoxクロネコメール便[element];
    c.widgets.m_CheckBoxクロネコメール便[1 - element]->setCheckState(clicked->checkState());
    refreshShipping(c);
}

// The seller's click, list choice or leaving the field recomposes the summary `entry`
// names. clicked and activated, not toggled or currentIndexChanged: values set by code do
// not recompose. Leaving a field recomposes even when its text is unchanged (a bank name
// edited meanwhile shows then).
void recomposeOnChange(const Form1Context& c, const content::ControlEntry& entry,
                       QObject* control) {
    const auto refresh = [c, payment = entry.recomposes == content::Recomposes::Payment] {
        if (payment)
            refreshPayment(c);
        else
            refreshShipping(c);
    };
    switch (entry.kind) {
    case content::ControlKind::Check:
        QObject::connect(static_cast<QCheckBox*>(control), &QCheckBox::clicked, &c.window, refresh);
        break;
    case content::ControlKind::Combo:
        QObject::connect(static_cast<QComboBox*>(control), &QComboBox::activated, &c.window,
                         refresh);
        break;
    case content::ControlKind::Text:
        onFocusOut(static_cast<QLineEdit*>(control), refresh);
        break;
    default:
        qFatal("no change of %s recomposes", qPrintable(entry.name.toString()));
    }
}

} // namespace

void connectSummaryActions(const Form1Context& c) {
    Form1Widgets& w = c.widgets;
    // The rows flagged kPay or kShip in the control table.
    const auto rows = content::form1Controls();
    for (std::size_t row = 0; row < rows.size(); ++row) {
        if (rows[row].recomposes != content::Recomposes::Nothing)
            recomposeOnChange(c, rows[row], w.control(row));
    }
    for (std::size_t element : {0u, 1u}) {
        QObject::connect(w.m_CheckBoxクロネコメール便[element], &QCheckBox::clicked, &c.window,
                         [c, element] { setMailBinFromElement(c, element); });
    }

    // Arriving at the tab control on page 0 refreshes that page's summaries. A click on a
    // tab gives the tab control the focus, as the keyboard does.
    QTabWidget* tabs = w.m_SSTab1;
    tabs->tabBar()->setFocusPolicy(Qt::StrongFocus);
    for (QWidget* tabControl :
         {static_cast<QWidget*>(tabs), static_cast<QWidget*>(tabs->tabBar())}) {
        onFocusIn(tabControl, [c, tabs] {
            if (tabs->currentIndex() == 0)
                refreshItemPage(c);
        });
    }
    // The focus arrives before a clicked tab is selected, so selecting page 0 while the
    // tab control holds the focus counts as arriving there.
    QObject::connect(tabs, &QTabWidget::currentChanged, &c.window, [c, tabs](int page) {
        if (page == 0 && tabs->tabBar()->hasFocus())
            refreshItemPage(c);
    });
}

} // namespace ui
