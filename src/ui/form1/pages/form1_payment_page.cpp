// Page 1 "支払詳細": the payment explanation and the payment methods.
#include "ui/form1/form1_widgets.h"
#include "ui/form1/pages/frame_layouts.h"

#include <QGridLayout>
#include <QGroupBox>

namespace ui {

void Form1Widgets::layOutPaymentPage(QWidget* page) {
    stretchExplanation(m_Frame6);

    // Columns: method, its text, then the never-shown account details (branch, number).
    auto* frame5 = frameGridOf(m_Frame5);
    frame5->setColumnStretch(1, 1);
    frame5->setRowStretch(frame5->rowCount(), 1);

    auto* layout = pageColumn(page);
    layout->addWidget(m_Frame6, 1);
    layout->addWidget(m_Frame5);
}

} // namespace ui
