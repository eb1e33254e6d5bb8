// The events that recompose the payment and shipping summaries.
#include "content/payment_composer.h"
#include "content/shipping_composer.h"
#include "form1.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>

namespace ui {

void Form1::connectComposerTriggers() {
    connectPaymentTriggers();
    connectShippingTriggers();
    // A click on a tab gives the tab control the focus, as the keyboard does.
    m_SSTab1->tabBar()->setFocusPolicy(Qt::StrongFocus);
    m_SSTab1->installEventFilter(this);
    m_SSTab1->tabBar()->installEventFilter(this);
    // The focus arrives before a clicked tab is selected, so selecting page 0 while the
    // tab control holds the focus counts as arriving there.
    connect(m_SSTab1, &QTabWidget::currentChanged, this, [this](int page) {
        if (page == 0 && m_SSTab1->tabBar()->hasFocus())
            refreshItemPageSummaries();
    });
}

void Form1::connectPaymentTriggers() {
    // clicked, not toggled: only the seller's clicks recompose, not values set by code.
    for (QCheckBox* method : {m_CheckBoxゆうちょ銀行, m_CheckBox銀行1, m_CheckBox銀行2,
                              m_CheckBox銀行3, m_CheckBoxかんたん決済, m_CheckBoxネットバンキング,
                              m_CheckBox現金書留, m_CheckBox代金引換, m_CheckBoxその他})
        connect(method, &QCheckBox::clicked, this, &Form1::refreshPaymentSummary);
    // Leaving the field recomposes even when its text is unchanged (a bank name edited
    // meanwhile shows then), which editingFinished would not do.
    m_TextBoxその他->installEventFilter(this);
}

void Form1::connectShippingTriggers() {
    for (QCheckBox* method :
         {m_CheckBox定形郵便, m_CheckBox定形外郵便, m_CheckBoxゆうメール, m_CheckBoxミニレター,
          m_CheckBoxレターパック350, m_CheckBoxレターパック500, m_CheckBoxゆうパック,
          m_CheckBoxゆうパック持込割引, m_CheckBoxクロネコ宅急便, m_CheckBoxクロネコ宅急便持込割引,
          m_CheckBoxはこBOON, m_CheckBoxその他の運送会社, m_CheckBox送料一律, m_CheckBox最安値})
        connect(method, &QCheckBox::clicked, this, &Form1::refreshShippingSummary);
    for (QComboBox* choice : {m_ComboBox商品サイズ, m_ComboBox商品重さ, m_ComboBoxクロネコメール便})
        connect(choice, &QComboBox::activated, this, &Form1::refreshShippingSummary);
    m_TextBoxその他の運送会社->installEventFilter(this);
    m_TextBox送料一律->installEventFilter(this);
    for (int element : {0, 1}) {
        connect(m_CheckBoxクロネコメール便[std::size_t(element)], &QCheckBox::clicked, this,
                [this, element] { setMailBinFromElement(element); });
    }
}

void Form1::refreshPaymentSummary() {
    m_Label支払い方法->setText(content::ComposePaymentText(record()));
}

void Form1::refreshShippingSummary() {
    const content::ShippingCaptions captions = content::ComposeShippingText(record(), m_rates);
    m_Label送料1->setText(captions.first);
    m_Label送料2->setText(captions.second);
}

void Form1::setMailBinFromElement(int element) {
    const QCheckBox* clicked = m_CheckBoxクロネコメール便[std::size_t(element)];
    QCheckBox* other = m_CheckBoxクロネコメール便[std::size_t(1 - element)];
    other->setCheckState(clicked->checkState());
    refreshShippingSummary();
}

void Form1::refreshItemPageSummaries() {
    refreshShippingSummary();
    refreshPaymentSummary();
}

} // namespace ui
