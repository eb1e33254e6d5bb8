// Page 2 "発送詳細": the shipping explanation and the shipping methods offered.
#include "ui/form1/form1_widgets.h"
#include "ui/form1/pages/frame_layouts.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QVBoxLayout>

namespace ui {

void Form1Widgets::layOutShippingPage(QWidget* page) {
    stretchExplanation(m_Frame10);
    frameGridOf(m_Frame9)->setColumnStretch(1, 1);
    frameGridOf(m_Frame8)->setColumnStretch(3, 1);
    frameGridOf(m_Frame7)->setColumnStretch(4, 1);

    auto* layout = pageColumn(page);
    layout->addWidget(m_Frame10, 1);
    layout->addWidget(m_Frame9);
    layout->addWidget(m_Frame8);
    layout->addWidget(m_Frame7);
}

} // namespace ui
