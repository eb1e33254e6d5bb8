// Page 1 "支払詳細": the payment explanation and the payment methods.
#include "ui/form1/control_factory.h"
#include "ui/form1/form1_widgets.h"
#include "ui/form1/pages/frame_layouts.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <array>

namespace ui {

QWidget* Form1Widgets::buildPaymentPage() {
    auto* page = new QWidget;

    m_Frame6 = createControlOf<QGroupBox>(u"Frame6", page);
    m_Text支払説明 = createControlOf<QPlainTextEdit>(u"Text支払説明", m_Frame6);
    m_Check支払いl説明 = createControlOf<QCheckBox>(u"Check支払いl説明", m_Frame6);
    m_CommandButton9 = createControlOf<QPushButton>(u"CommandButton9", m_Frame6);
    layOutExplanation(m_Frame6, m_Text支払説明, m_Check支払いl説明, m_CommandButton9);

    m_Frame5 = createControlOf<QGroupBox>(u"Frame5", page);
    m_CheckBoxかんたん決済 = createControlOf<QCheckBox>(u"CheckBoxかんたん決済", m_Frame5);
    m_CheckBoxネットバンキング = createControlOf<QCheckBox>(u"CheckBoxネットバンキング", m_Frame5);
    m_CheckBoxゆうちょ銀行 = createControlOf<QCheckBox>(u"CheckBoxゆうちょ銀行", m_Frame5);
    m_Label7 = createControlOf<QLabel>(u"Label7", m_Frame5);
    m_TextBoxゆうちょ記号 = createControlOf<QLineEdit>(u"TextBoxゆうちょ記号", m_Frame5);
    m_Label8 = createControlOf<QLabel>(u"Label8", m_Frame5);
    m_TextBoxゆうちょ番号 = createControlOf<QLineEdit>(u"TextBoxゆうちょ番号", m_Frame5);
    m_Label9 = createControlOf<QLabel>(u"Label9", m_Frame5);
    m_Label10 = createControlOf<QLabel>(u"Label10", m_Frame5);
    m_Label11 = createControlOf<QLabel>(u"Label11", m_Frame5);
    m_CheckBox銀行1 = createControlOf<QCheckBox>(u"CheckBox銀行1", m_Frame5);
    m_TextBox銀行名1 = createControlOf<QLineEdit>(u"TextBox銀行名1", m_Frame5);
    m_TextBox支店名1 = createControlOf<QLineEdit>(u"TextBox支店名1", m_Frame5);
    m_TextBox口座番号1 = createControlOf<QLineEdit>(u"TextBox口座番号1", m_Frame5);
    m_CheckBox銀行2 = createControlOf<QCheckBox>(u"CheckBox銀行2", m_Frame5);
    m_TextBox銀行名2 = createControlOf<QLineEdit>(u"TextBox銀行名2", m_Frame5);
    m_TextBox支店名2 = createControlOf<QLineEdit>(u"TextBox支店名2", m_Frame5);
    m_TextBox口座番号2 = createControlOf<QLineEdit>(u"TextBox口座番号2", m_Frame5);
    m_CheckBox銀行3 = createControlOf<QCheckBox>(u"CheckBox銀行3", m_Frame5);
    m_TextBox銀行名3 = createControlOf<QLineEdit>(u"TextBox銀行名3", m_Frame5);
    m_TextBox支店名3 = createControlOf<QLineEdit>(u"TextBox支店名3", m_Frame5);
    m_TextBox口座番号3 = createControlOf<QLineEdit>(u"TextBox口座番号3", m_Frame5);
    m_CheckBox現金書留 = createControlOf<QCheckBox>(u"CheckBox現金書留", m_Frame5);
    m_CheckBox代金引換 = createControlOf<QCheckBox>(u"CheckBox代金引換", m_Frame5);
    m_TextBox代金引換 = createControlOf<QLineEdit>(u"TextBox代金引換", m_Frame5);
    m_CheckBoxその他 = createControlOf<QCheckBox>(u"CheckBoxその他", m_Frame5);
    m_TextBoxその他 = createControlOf<QLineEdit>(u"TextBoxその他", m_Frame5);

    // Columns: method, its text, then the never-shown account details (branch, number).
    auto* frame5 = frameGrid(m_Frame5);
    int row = 0;
    frame5->addWidget(m_CheckBoxかんたん決済, row++, 0, 1, 2);
    frame5->addWidget(m_CheckBoxネットバンキング, row++, 0, 1, 2);
    frame5->addWidget(m_CheckBoxゆうちょ銀行, row, 0);
    frame5->addWidget(m_Label7, row, 2);
    frame5->addWidget(m_TextBoxゆうちょ記号, row, 3);
    frame5->addWidget(m_Label8, row, 4);
    frame5->addWidget(m_TextBoxゆうちょ番号, row++, 5);
    frame5->addWidget(m_Label9, row, 1);
    frame5->addWidget(m_Label10, row, 2);
    frame5->addWidget(m_Label11, row++, 3);
    const std::array<std::array<QWidget*, 4>, 3> banks = {{
        {m_CheckBox銀行1, m_TextBox銀行名1, m_TextBox支店名1, m_TextBox口座番号1},
        {m_CheckBox銀行2, m_TextBox銀行名2, m_TextBox支店名2, m_TextBox口座番号2},
        {m_CheckBox銀行3, m_TextBox銀行名3, m_TextBox支店名3, m_TextBox口座番号3},
    }};
    for (const auto& bank : banks) {
        for (int column = 0; column < 4; ++column)
            frame5->addWidget(bank[std::size_t(column)], row, column);
        ++row;
    }
    frame5->addWidget(m_CheckBox現金書留, row++, 0);
    frame5->addWidget(m_CheckBox代金引換, row, 0);
    frame5->addWidget(m_TextBox代金引換, row++, 1);
    frame5->addWidget(m_CheckBoxその他, row, 0);
    frame5->addWidget(m_TextBoxその他, row++, 1);
    frame5->setColumnStretch(1, 1);
    frame5->setRowStretch(row, 1);

    auto* layout = pageColumn(page);
    layout->addWidget(m_Frame6, 1);
    layout->addWidget(m_Frame5);
    return page;
}

} // namespace ui
