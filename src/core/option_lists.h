#pragma once

#include <QStringList>
#include <QStringView>
#include <array>
#include <optional>

namespace core {

// The page widths a seller can choose, as the page's table takes them.
inline constexpr std::array<QStringView, 5> kDisplayWidths = {u"640", u"800", u"100%", u"80%",
                                                              u"60%"};

// The items of the main window's drop-down lists, filled at start in this order.
QStringList sizeOptions();          // ComboBox商品サイズ: "60cmサイズ" … "170cmサイズ"
QStringList weightOptions();        // ComboBox商品重さ: "25g" … "25kg"
QStringList envelopeClassOptions(); // ComboBoxクロネコメール便
QStringList displayWidthOptions();  // ComboBox表示幅
QStringList displayPositionOptions(); // ComboBox表示位置
QStringList boothDisplayOptions();    // ComboMyBooth
QStringList fontStyleOptions();       // ComboTS1, ComboMS1, ComboSR1
QStringList titleSizeOptions();       // ComboTS2
QStringList headingSizeOptions();     // ComboMS2
QStringList textSizeOptions();        // ComboSR2

// The text of Combo都道府県 until the seller picks a region.
inline constexpr QStringView kPrefecturePrompt = u"都道府県を選択";

// Grams of each position of ComboBox商品重さ.
inline constexpr std::array<int, 15> kWeightGrams = {
    25, 50, 100, 150, 250, 500, 1000, 2000, 3000, 4000, 5000, 10000, 15000, 20000, 25000};

// The item weight in grams at a list position, or nothing for -1 or a position past the list.
std::optional<int> weightGramsAt(int position);

inline constexpr int kPrefectureCount = 48;
inline constexpr int kLinkCount = 11;

} // namespace core
