#pragma once

#include <QString>
#include <cstdint>

namespace core {

// The standing choices the main window holds between reading the profile files and
// putting them into its controls. Each keeps the kind it is read as: texts are converted
// only when they are applied, so a bad hand-edited value fails there and not here.
// The start values are the first-run values, so a value that could not be read still
// shows a sensible choice.
struct HeldSelections {
    QString sizePosition = QStringLiteral("0");          // ComboBox商品サイズ
    std::int16_t weightPosition = 0;                     // ComboBox商品重さ
    std::int16_t mailBinDefaultPosition = 0;             // ComboBoxクロネコメール便
    int colourPreset = 1;                                // OptionButton0 … OptionButton9
    std::int16_t regionPosition = -1;                    // Combo都道府県
    QString boothDisplayPosition = QStringLiteral("0");  // ComboMyBooth
    int boothOption = 0;                                 // 1, 2, 3: OptionBooth1 … 3
    QString displayWidthPosition = QStringLiteral("0");  // ComboBox表示幅
    std::int16_t displayPosition = 0;                    // ComboBox表示位置
    QString userMainColour = QStringLiteral("16777215"); // back colour of L92
    QString userSubColour = QStringLiteral("16777215");  // back colour of L93
    QString templateName = QStringLiteral("temp1.tmpl");
    QString titleStyle = QStringLiteral("1");    // ComboTS1
    QString titleSize = QStringLiteral("1");     // ComboTS2
    QString headingStyle = QStringLiteral("1");  // ComboMS1
    QString headingSize = QStringLiteral("0");   // ComboMS2
    QString textStyle = QStringLiteral("0");     // ComboSR1
    std::int16_t textSizePosition = 0;           // ComboSR2
    QString titleColour = QStringLiteral("0");   // fore colour of CommandT
    QString headingColour = QStringLiteral("0"); // fore colour of CommandM
    QString textColour = QStringLiteral("0");    // fore colour of CommandSR

    bool operator==(const HeldSelections&) const = default;
};

} // namespace core
