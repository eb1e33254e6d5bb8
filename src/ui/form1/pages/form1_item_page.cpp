// Page 0 "商品情報": title, description and the payment and shipping summaries.
#include "ui/form1/form1_widgets.h"
#include "ui/form1/pages/frame_layouts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace ui {

void Form1Widgets::layOutItemPage(QWidget* page) {
    m_Label12->setWordWrap(false);
    m_Label12->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_Label12->setMinimumWidth(
        m_Label12->fontMetrics().horizontalAdvance(QStringLiteral("あと30文字")) + 8);
    m_TextBoxJAN->setMaximumWidth(180);
    auto* frame1 = frameGridOf(m_Frame1);
    auto* search = new QHBoxLayout;
    search->addWidget(m_TextBoxJAN);
    search->addWidget(m_CBJAN検索);
    search->addStretch(1);
    frame1->addLayout(search, 2, 0, 1, 3);
    frame1->setColumnStretch(0, 1);

    auto* frame2 = frameGridOf(m_Frame2);
    frame2->setRowStretch(3, 1);
    frame2->setColumnStretch(0, 1);

    // Wide enough for the longest fixed payment line; bank names may wrap.
    m_Label支払い方法->setMinimumWidth(m_Label支払い方法->fontMetrics().horizontalAdvance(
        QStringLiteral("・Yahoo!ネットバンキング　")));

    for (QLabel* heading : {m_Label4, m_Label5})
        heading->setWordWrap(false);
    // Room for the five lines the first label holds before the second one is used.
    const int fiveLines = m_Label送料1->fontMetrics().lineSpacing() * 5;
    m_Label送料1->setMinimumHeight(fiveLines);
    m_Label送料2->setMinimumHeight(fiveLines);
    auto* frame4 = frameGridOf(m_Frame4);
    // The second label mostly holds the parcel lines, the longest ones.
    auto* charges = new QHBoxLayout;
    charges->addWidget(m_Label送料1, 4);
    charges->addWidget(m_Label送料2, 5);
    frame4->addLayout(charges, 3, 0, 1, 4);
    frame4->setRowStretch(3, 1);
    frame4->setColumnStretch(1, 1);
    frame4->setColumnStretch(3, 1);

    auto* summaries = new QHBoxLayout;
    summaries->addWidget(m_Frame3);
    summaries->addWidget(m_Frame4, 1);

    auto* layout = pageColumn(page);
    layout->addWidget(m_Frame1);
    layout->addWidget(m_Frame2, 1);
    layout->addLayout(summaries);
}

} // namespace ui
