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

} // namespace

void connectSummaryActions(const Form1Context& c) {
    Form1Widgets& w = c.widgets;
    // clicked, not toggled: only the seller's clicks recompose, not values set by code.
    for (QCheckBox* method :
         {w.m_CheckBoxゆうちょ銀行, w.m_CheckBox銀行1, w.m_CheckBox銀行2, w.m_CheckBox銀行3,
          w.m_CheckBoxかんたん決済, w.m_CheckBoxネットバンキング, w.m_CheckBox現金書留,
          w.m_CheckBox代金引換, w.m_CheckBoxその他})
        QObject::connect(method, &QCheckBox::clicked, &c.window, [c] { refreshPayment(c); });
    // Leaving the field recomposes even when its text is unchanged (a bank name edited
    // meanwhile shows then).
    onFocusOut(w.m_TextBoxその他, [c] { refreshPayment(c); });

    for (QCheckBox* method :
         {w.m_CheckBox定形郵便, w.m_CheckBox定形外郵便, w.m_CheckBoxゆうメール,
          w.m_CheckBoxミニレター, w.m_CheckBoxレターパック350, w.m_CheckBoxレターパック500,
          w.m_CheckBoxゆうパック, w.m_CheckBoxゆうパック持込割引, w.m_CheckBoxクロネコ宅急便,
          w.m_CheckBoxクロネコ宅急便持込割引, w.m_CheckBoxはこBOON, w.m_CheckBoxその他の運送会社,
          w.m_CheckBox送料一律, w.m_CheckBox最安値})
        QObject::connect(method, &QCheckBox::clicked, &c.window, [c] { refreshShipping(c); });
    for (QComboBox* choice :
         {w.m_ComboBox商品サイズ, w.m_ComboBox商品重さ, w.m_ComboBoxクロネコメール便})
        QObject::connect(choice, &QComboBox::activated, &c.window, [c] { refreshShipping(c); });
    for (QLineEdit* text : {w.m_TextBoxその他の運送会社, w.m_TextBox送料一律})
        onFocusOut(text, [c] { refreshShipping(c); });
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
