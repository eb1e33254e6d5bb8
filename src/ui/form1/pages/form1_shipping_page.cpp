// Page 2 "発送詳細": the shipping explanation and the shipping methods offered.
#include "ui/form1/control_factory.h"
#include "ui/form1/form1_widgets.h"
#include "ui/form1/pages/frame_layouts.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {

QWidget* Form1Widgets::buildShippingPage() {
    auto* page = new QWidget;

    m_Frame10 = createControlOf<QGroupBox>(u"Frame10", page);
    m_Text発送注意事項 = createControlOf<QPlainTextEdit>(u"Text発送注意事項", m_Frame10);
    m_Check発送説明 = createControlOf<QCheckBox>(u"Check発送説明", m_Frame10);
    m_CommandButton15 = createControlOf<QPushButton>(u"CommandButton15", m_Frame10);
    layOutExplanation(m_Frame10, m_Text発送注意事項, m_Check発送説明, m_CommandButton15);

    m_Frame9 = createControlOf<QGroupBox>(u"Frame9", page);
    m_CheckBoxはこBOON = createControlOf<QCheckBox>(u"CheckBoxはこBOON", m_Frame9);
    m_CheckBox送料一律 = createControlOf<QCheckBox>(u"CheckBox送料一律", m_Frame9);
    m_TextBox送料一律 = createControlOf<QLineEdit>(u"TextBox送料一律", m_Frame9);
    m_CheckBoxその他の運送会社 = createControlOf<QCheckBox>(u"CheckBoxその他の運送会社", m_Frame9);
    m_TextBoxその他の運送会社 = createControlOf<QLineEdit>(u"TextBoxその他の運送会社", m_Frame9);
    auto* frame9 = frameGrid(m_Frame9);
    frame9->addWidget(m_CheckBoxはこBOON, 0, 0);
    frame9->addWidget(m_CheckBox送料一律, 1, 0);
    frame9->addWidget(m_TextBox送料一律, 1, 1);
    frame9->addWidget(m_CheckBoxその他の運送会社, 2, 0);
    frame9->addWidget(m_TextBoxその他の運送会社, 2, 1);
    frame9->setColumnStretch(1, 1);

    m_Frame8 = createControlOf<QGroupBox>(u"Frame8", page);
    m_CheckBoxクロネコ宅急便 = createControlOf<QCheckBox>(u"CheckBoxクロネコ宅急便", m_Frame8);
    m_CheckBoxクロネコ宅急便持込割引 =
        createControlOf<QCheckBox>(u"CheckBoxクロネコ宅急便持込割引", m_Frame8);
    m_CheckBoxクロネコメール便[0] = createControlOf<QCheckBox>(kMailBinOnShippingPage, m_Frame8);
    m_CommandButton4 = createControlOf<QPushButton>(u"CommandButton4", m_Frame8);
    auto* frame8 = frameGrid(m_Frame8);
    frame8->addWidget(m_CheckBoxクロネコ宅急便, 0, 0);
    frame8->addWidget(m_CheckBoxクロネコ宅急便持込割引, 0, 1);
    frame8->addWidget(m_CheckBoxクロネコメール便[0], 0, 2);
    frame8->addWidget(m_CommandButton4, 0, 4);
    frame8->setColumnStretch(3, 1);

    m_Frame7 = createControlOf<QGroupBox>(u"Frame7", page);
    m_CheckBox定形郵便 = createControlOf<QCheckBox>(u"CheckBox定形郵便", m_Frame7);
    m_CheckBox定形外郵便 = createControlOf<QCheckBox>(u"CheckBox定形外郵便", m_Frame7);
    m_CheckBoxゆうメール = createControlOf<QCheckBox>(u"CheckBoxゆうメール", m_Frame7);
    m_CheckBoxミニレター = createControlOf<QCheckBox>(u"CheckBoxミニレター", m_Frame7);
    m_CheckBoxレターパック350 = createControlOf<QCheckBox>(u"CheckBoxレターパック350", m_Frame7);
    m_CheckBoxレターパック500 = createControlOf<QCheckBox>(u"CheckBoxレターパック500", m_Frame7);
    m_CheckBoxゆうパック = createControlOf<QCheckBox>(u"CheckBoxゆうパック", m_Frame7);
    m_CheckBoxゆうパック持込割引 =
        createControlOf<QCheckBox>(u"CheckBoxゆうパック持込割引", m_Frame7);
    m_CommandButton5 = createControlOf<QPushButton>(u"CommandButton5", m_Frame7);
    auto* frame7 = frameGrid(m_Frame7);
    frame7->addWidget(m_CheckBox定形郵便, 0, 0);
    frame7->addWidget(m_CheckBox定形外郵便, 0, 1);
    frame7->addWidget(m_CheckBoxゆうメール, 0, 2);
    frame7->addWidget(m_CheckBoxミニレター, 0, 3);
    frame7->addWidget(m_CheckBoxレターパック350, 1, 0);
    frame7->addWidget(m_CheckBoxレターパック500, 1, 1);
    frame7->addWidget(m_CheckBoxゆうパック, 1, 2);
    frame7->addWidget(m_CheckBoxゆうパック持込割引, 1, 3);
    frame7->addWidget(m_CommandButton5, 0, 5);
    frame7->setColumnStretch(4, 1);

    auto* layout = pageColumn(page);
    layout->addWidget(m_Frame10, 1);
    layout->addWidget(m_Frame9);
    layout->addWidget(m_Frame8);
    layout->addWidget(m_Frame7);
    return page;
}

} // namespace ui
