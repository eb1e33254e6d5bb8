// Page 4 "書式設定": fonts, template and display, and the colour schemes.
#include "core/colour_presets.h"
#include "ui/form1/form1_widgets.h"
#include "ui/form1/pages/frame_layouts.h"
#include "ui/widgets/swatch_label.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace ui {

namespace {

// Schemes in the order the frame shows them: the fixed ones, white, then the user's.
constexpr std::array<int, 10> kSchemeOrder = {1, 2, 3, 4, 5, 6, 7, 8, 0, 9};
constexpr int kSchemesPerRow = 5;

} // namespace

void Form1Widgets::layOutDesignPage(QWidget* page) {
    QPalette red = m_Label22->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    m_Label22->setPalette(red);
    auto* frame14 = frameGridOf(m_Frame14);
    frame14->setColumnStretch(1, 1);
    frame14->setColumnStretch(2, 1);

    m_Label15->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    auto* frame13 = frameGridOf(m_Frame13);
    frame13->setColumnStretch(1, 1);
    frame13->setRowStretch(4, 1);

    auto* schemes = new QButtonGroup(m_Frame12);
    auto* frame12 = frameGrid(m_Frame12);
    for (std::size_t cell = 0; cell < kSchemeOrder.size(); ++cell) {
        const int scheme = kSchemeOrder[cell];
        const auto n = std::size_t(scheme);
        if (scheme != core::kUserPreset) {
            m_Ln2[n]->setColour(core::kColourPresets[n].main);
            m_Ln3[n]->setColour(core::kColourPresets[n].sub);
        }
        m_Ln1[n]->setAlignment(Qt::AlignCenter);
        schemes->addButton(m_OptionButton[n], scheme);
        auto* column = new QVBoxLayout;
        column->setSpacing(2);
        column->addWidget(m_Ln1[n]);
        column->addWidget(m_Ln2[n]);
        column->addWidget(m_Ln3[n]);
        column->addWidget(m_OptionButton[n], 0, Qt::AlignHCenter);
        frame12->addLayout(column, int(cell) / kSchemesPerRow, int(cell) % kSchemesPerRow);
    }

    auto* fontAndTemplate = new QHBoxLayout;
    fontAndTemplate->addWidget(m_Frame14, 3);
    fontAndTemplate->addWidget(m_Frame13, 2);

    auto* layout = pageColumn(page);
    layout->addLayout(fontAndTemplate);
    layout->addWidget(m_Frame12, 1);
}

} // namespace ui
