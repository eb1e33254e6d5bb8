// Page 3 "基本情報＆注意事項": the auction ID, the booth, the region and the notes.
#include "ui/form1/form1_widgets.h"
#include "ui/form1/pages/frame_layouts.h"
#include "ui/widgets/booth_pictures.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace ui {

void Form1Widgets::layOutBasicPage(QWidget* page) {
    m_Label23->setWordWrap(false);
    m_Textyahooid->setMaximumWidth(200);

    m_Image1->setPixmap(drawBoothBanner());
    m_Image2->setPixmap(drawBoothButton());
    auto* booths = new QButtonGroup(m_Frame17);
    for (QRadioButton* option : {m_OptionBooth1, m_OptionBooth2, m_OptionBooth3})
        booths->addButton(option);
    frameGridOf(m_Frame17)->setColumnStretch(4, 1);
    frameGridOf(m_Frame16)->setColumnStretch(3, 1);

    m_Combo都道府県->setMinimumWidth(160);
    m_Combo都道府県->setMaxVisibleItems(16);

    stretchExplanation(m_Frame11);

    auto* layout = pageColumn(page);
    layout->addWidget(m_Frame16);
    layout->addWidget(m_Frame15);
    layout->addWidget(m_Frame11, 1);
}

} // namespace ui
