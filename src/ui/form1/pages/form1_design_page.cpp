// Page 4 "書式設定": fonts, template and display, and the colour schemes.
#include "core/colour_presets.h"
#include "ui/form1/control_factory.h"
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

QString schemeControlName(const char* prefix, int scheme, const char* suffix = "") {
    return QStringLiteral("%1%2%3")
        .arg(QLatin1String(prefix))
        .arg(scheme)
        .arg(QLatin1String(suffix));
}

} // namespace

QWidget* Form1Widgets::buildDesignPage() {
    auto* page = new QWidget;

    m_Frame14 = createControlOf<QGroupBox>(u"Frame14", page);
    m_Label18 = createControlOf<QLabel>(u"Label18", m_Frame14);
    m_Label19 = createControlOf<QLabel>(u"Label19", m_Frame14);
    m_Label20 = createControlOf<QLabel>(u"Label20", m_Frame14);
    m_Label16 = createControlOf<QLabel>(u"Label16", m_Frame14);
    m_ComboTS1 = createControlOf<QComboBox>(u"ComboTS1", m_Frame14);
    m_ComboTS2 = createControlOf<QComboBox>(u"ComboTS2", m_Frame14);
    m_CommandT = createControlOf<SwatchLabel>(u"CommandT", m_Frame14);
    m_Label17 = createControlOf<QLabel>(u"Label17", m_Frame14);
    m_ComboMS1 = createControlOf<QComboBox>(u"ComboMS1", m_Frame14);
    m_ComboMS2 = createControlOf<QComboBox>(u"ComboMS2", m_Frame14);
    m_CommandM = createControlOf<SwatchLabel>(u"CommandM", m_Frame14);
    m_Label21 = createControlOf<QLabel>(u"Label21", m_Frame14);
    m_ComboSR1 = createControlOf<QComboBox>(u"ComboSR1", m_Frame14);
    m_ComboSR2 = createControlOf<QComboBox>(u"ComboSR2", m_Frame14);
    m_CommandSR = createControlOf<SwatchLabel>(u"CommandSR", m_Frame14);
    m_Label22 = createControlOf<QLabel>(u"Label22", m_Frame14);
    QPalette red = m_Label22->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    m_Label22->setPalette(red);
    auto* frame14 = frameGrid(m_Frame14);
    frame14->addWidget(m_Label18, 0, 1);
    frame14->addWidget(m_Label19, 0, 2);
    frame14->addWidget(m_Label20, 0, 3);
    const std::array<std::array<QWidget*, 4>, 3> fontRows = {{
        {m_Label16, m_ComboTS1, m_ComboTS2, m_CommandT},
        {m_Label17, m_ComboMS1, m_ComboMS2, m_CommandM},
        {m_Label21, m_ComboSR1, m_ComboSR2, m_CommandSR},
    }};
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 4; ++column)
            frame14->addWidget(fontRows[std::size_t(row)][std::size_t(column)], row + 1, column);
    }
    frame14->addWidget(m_Label22, 4, 0, 1, 4);
    frame14->setColumnStretch(1, 1);
    frame14->setColumnStretch(2, 1);

    m_Frame13 = createControlOf<QGroupBox>(u"Frame13", page);
    m_CommandButton19 = createControlOf<QPushButton>(u"CommandButton19", m_Frame13);
    m_Label15 = createControlOf<QLabel>(u"Label15", m_Frame13);
    m_Label13 = createControlOf<QLabel>(u"Label13", m_Frame13);
    m_ComboBox表示幅 = createControlOf<QComboBox>(u"ComboBox表示幅", m_Frame13);
    m_Label14 = createControlOf<QLabel>(u"Label14", m_Frame13);
    m_ComboBox表示位置 = createControlOf<QComboBox>(u"ComboBox表示位置", m_Frame13);
    m_Label15->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    auto* frame13 = frameGrid(m_Frame13);
    frame13->addWidget(m_CommandButton19, 0, 0, 1, 2);
    frame13->addWidget(m_Label15, 1, 0, 1, 2);
    frame13->addWidget(m_Label13, 2, 0);
    frame13->addWidget(m_ComboBox表示幅, 2, 1);
    frame13->addWidget(m_Label14, 3, 0);
    frame13->addWidget(m_ComboBox表示位置, 3, 1);
    frame13->setColumnStretch(1, 1);
    frame13->setRowStretch(4, 1);

    m_Frame12 = createControlOf<QGroupBox>(u"Frame12", page);
    auto* schemes = new QButtonGroup(m_Frame12);
    auto* frame12 = frameGrid(m_Frame12);
    for (std::size_t cell = 0; cell < kSchemeOrder.size(); ++cell) {
        const int scheme = kSchemeOrder[cell];
        const auto n = std::size_t(scheme);
        m_Ln1[n] = createControlOf<QLabel>(schemeControlName("L", scheme, "1"), m_Frame12);
        m_Ln2[n] = createControlOf<SwatchLabel>(schemeControlName("L", scheme, "2"), m_Frame12);
        m_Ln3[n] = createControlOf<SwatchLabel>(schemeControlName("L", scheme, "3"), m_Frame12);
        m_OptionButton[n] =
            createControlOf<QRadioButton>(schemeControlName("OptionButton", scheme), m_Frame12);
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

    m_L92 = m_Ln2[core::kUserPreset];
    m_L93 = m_Ln3[core::kUserPreset];

    auto* fontAndTemplate = new QHBoxLayout;
    fontAndTemplate->addWidget(m_Frame14, 3);
    fontAndTemplate->addWidget(m_Frame13, 2);

    auto* layout = pageColumn(page);
    layout->addLayout(fontAndTemplate);
    layout->addWidget(m_Frame12, 1);
    return page;
}

} // namespace ui
