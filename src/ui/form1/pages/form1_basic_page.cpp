// Page 3 "基本情報＆注意事項": the auction ID, the booth, the region and the notes.
#include "ui/form1/control_factory.h"
#include "ui/form1/form1_widgets.h"
#include "ui/form1/pages/frame_layouts.h"
#include "ui/widgets/booth_pictures.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace ui {

QWidget* Form1Widgets::buildBasicPage() {
    auto* page = new QWidget;

    m_Frame16 = createControlOf<QGroupBox>(u"Frame16", page);
    m_Label23 = createControlOf<QLabel>(u"Label23", m_Frame16);
    m_Textyahooid = createControlOf<QLineEdit>(u"Textyahooid", m_Frame16);
    m_CommandPass = createControlOf<QPushButton>(u"CommandPass", m_Frame16);
    m_Label23->setWordWrap(false);
    m_Textyahooid->setMaximumWidth(200);

    m_Frame17 = createControlOf<QGroupBox>(u"Frame17", m_Frame16);
    m_ComboMyBooth = createControlOf<QComboBox>(u"ComboMyBooth", m_Frame17);
    m_OptionBooth1 = createControlOf<QRadioButton>(u"OptionBooth1", m_Frame17);
    m_Image1 = createControlOf<QLabel>(u"Image1", m_Frame17);
    m_OptionBooth2 = createControlOf<QRadioButton>(u"OptionBooth2", m_Frame17);
    m_Image2 = createControlOf<QLabel>(u"Image2", m_Frame17);
    m_OptionBooth3 = createControlOf<QRadioButton>(u"OptionBooth3", m_Frame17);
    m_Label24 = createControlOf<QLabel>(u"Label24", m_Frame17);
    m_TextBoothUser = createControlOf<QLineEdit>(u"TextBoothUser", m_Frame17);
    m_Image1->setPixmap(drawBoothBanner());
    m_Image2->setPixmap(drawBoothButton());
    auto* booths = new QButtonGroup(m_Frame17);
    for (QRadioButton* option : {m_OptionBooth1, m_OptionBooth2, m_OptionBooth3})
        booths->addButton(option);
    auto* frame17 = frameGrid(m_Frame17);
    frame17->addWidget(m_ComboMyBooth, 0, 0, 1, 5, Qt::AlignLeft);
    frame17->addWidget(m_OptionBooth1, 1, 0);
    frame17->addWidget(m_Image1, 1, 1);
    frame17->addWidget(m_OptionBooth2, 1, 2);
    frame17->addWidget(m_Image2, 1, 3);
    frame17->addWidget(m_OptionBooth3, 2, 0);
    frame17->addWidget(m_Label24, 2, 1, 1, 4);
    frame17->addWidget(m_TextBoothUser, 3, 1, 1, 4);
    frame17->setColumnStretch(4, 1);

    auto* frame16 = frameGrid(m_Frame16);
    frame16->addWidget(m_Label23, 0, 0);
    frame16->addWidget(m_Textyahooid, 0, 1);
    frame16->addWidget(m_CommandPass, 0, 2);
    frame16->addWidget(m_Frame17, 1, 0, 1, 4);
    frame16->setColumnStretch(3, 1);

    m_Frame15 = createControlOf<QGroupBox>(u"Frame15", page);
    m_Combo都道府県 = createControlOf<QComboBox>(u"Combo都道府県", m_Frame15);
    m_Combo都道府県->setMinimumWidth(160);
    m_Combo都道府県->setMaxVisibleItems(16);
    frameGrid(m_Frame15)->addWidget(m_Combo都道府県, 0, 0, Qt::AlignLeft);

    m_Frame11 = createControlOf<QGroupBox>(u"Frame11", page);
    m_Text注意事項 = createControlOf<QPlainTextEdit>(u"Text注意事項", m_Frame11);
    m_Check注意事項 = createControlOf<QCheckBox>(u"Check注意事項", m_Frame11);
    m_CommandButton18 = createControlOf<QPushButton>(u"CommandButton18", m_Frame11);
    layOutExplanation(m_Frame11, m_Text注意事項, m_Check注意事項, m_CommandButton18);

    auto* layout = pageColumn(page);
    layout->addWidget(m_Frame16);
    layout->addWidget(m_Frame15);
    layout->addWidget(m_Frame11, 1);
    return page;
}

} // namespace ui
