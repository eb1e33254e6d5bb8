// Page 0 "商品情報": title, description and the payment and shipping summaries.
#include "ui/form1/control_factory.h"
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

QWidget* Form1Widgets::buildItemPage() {
    auto* page = new QWidget;

    m_Frame1 = createControlOf<QGroupBox>(u"Frame1", page);
    m_Label1 = createControlOf<QLabel>(u"Label1", m_Frame1);
    m_TextBoxタイトル = createControlOf<QLineEdit>(u"TextBoxタイトル", m_Frame1);
    m_Label12 = createControlOf<QLabel>(u"Label12", m_Frame1);
    m_Command3 = createControlOf<QPushButton>(u"Command3", m_Frame1);
    m_TextBoxJAN = createControlOf<QLineEdit>(u"TextBoxJAN", m_Frame1);
    m_CBJAN検索 = createControlOf<QPushButton>(u"CBJAN検索", m_Frame1);
    m_Label12->setWordWrap(false);
    m_Label12->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_Label12->setMinimumWidth(
        m_Label12->fontMetrics().horizontalAdvance(QStringLiteral("あと30文字")) + 8);
    m_TextBoxJAN->setMaximumWidth(180);
    auto* frame1 = frameGrid(m_Frame1);
    frame1->addWidget(m_Label1, 0, 0, 1, 3);
    frame1->addWidget(m_TextBoxタイトル, 1, 0);
    frame1->addWidget(m_Label12, 1, 1);
    frame1->addWidget(m_Command3, 1, 2);
    auto* search = new QHBoxLayout;
    search->addWidget(m_TextBoxJAN);
    search->addWidget(m_CBJAN検索);
    search->addStretch(1);
    frame1->addLayout(search, 2, 0, 1, 3);
    frame1->setColumnStretch(0, 1);

    m_Frame2 = createControlOf<QGroupBox>(u"Frame2", page);
    m_TextBox商品説明 = createControlOf<QPlainTextEdit>(u"TextBox商品説明", m_Frame2);
    m_Command定型文を挿入 = createControlOf<QPushButton>(u"Command定型文を挿入", m_Frame2);
    m_Command定型文を編集 = createControlOf<QPushButton>(u"Command定型文を編集", m_Frame2);
    m_CommandButton6 = createControlOf<QPushButton>(u"CommandButton6", m_Frame2);
    auto* frame2 = frameGrid(m_Frame2);
    frame2->addWidget(m_TextBox商品説明, 0, 0, 4, 1);
    frame2->addWidget(m_Command定型文を挿入, 0, 1);
    frame2->addWidget(m_Command定型文を編集, 1, 1);
    frame2->addWidget(m_CommandButton6, 2, 1);
    frame2->setRowStretch(3, 1);
    frame2->setColumnStretch(0, 1);

    m_Frame3 = createControlOf<QGroupBox>(u"Frame3", page);
    m_Label支払い方法 = createControlOf<QLabel>(u"Label支払い方法", m_Frame3);
    // Wide enough for the longest fixed payment line; bank names may wrap.
    m_Label支払い方法->setMinimumWidth(m_Label支払い方法->fontMetrics().horizontalAdvance(
        QStringLiteral("・Yahoo!ネットバンキング　")));
    frameGrid(m_Frame3)->addWidget(m_Label支払い方法, 0, 0);

    m_Frame4 = createControlOf<QGroupBox>(u"Frame4", page);
    m_Label4 = createControlOf<QLabel>(u"Label4", m_Frame4);
    m_ComboBox商品サイズ = createControlOf<QComboBox>(u"ComboBox商品サイズ", m_Frame4);
    m_Label5 = createControlOf<QLabel>(u"Label5", m_Frame4);
    m_ComboBox商品重さ = createControlOf<QComboBox>(u"ComboBox商品重さ", m_Frame4);
    m_CheckBoxクロネコメール便[1] = createControlOf<QCheckBox>(kMailBinOnItemPage, m_Frame4);
    m_ComboBoxクロネコメール便 = createControlOf<QComboBox>(u"ComboBoxクロネコメール便", m_Frame4);
    m_CheckBox最安値 = createControlOf<QCheckBox>(u"CheckBox最安値", m_Frame4);
    m_Label送料1 = createControlOf<QLabel>(u"Label送料1", m_Frame4);
    m_Label送料2 = createControlOf<QLabel>(u"Label送料2", m_Frame4);
    for (QLabel* heading : {m_Label4, m_Label5})
        heading->setWordWrap(false);
    // Room for the five lines the first label holds before the second one is used.
    const int fiveLines = m_Label送料1->fontMetrics().lineSpacing() * 5;
    m_Label送料1->setMinimumHeight(fiveLines);
    m_Label送料2->setMinimumHeight(fiveLines);
    auto* frame4 = frameGrid(m_Frame4);
    frame4->addWidget(m_Label4, 0, 0);
    frame4->addWidget(m_ComboBox商品サイズ, 0, 1);
    frame4->addWidget(m_Label5, 0, 2);
    frame4->addWidget(m_ComboBox商品重さ, 0, 3);
    frame4->addWidget(m_CheckBoxクロネコメール便[1], 1, 0);
    frame4->addWidget(m_ComboBoxクロネコメール便, 1, 1, 1, 3, Qt::AlignLeft);
    frame4->addWidget(m_CheckBox最安値, 2, 0, 1, 4);
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
    return page;
}

} // namespace ui
