#include "option_lists.h"

using namespace Qt::Literals::StringLiterals;

namespace core {

QStringList sizeOptions() {
    return {u"60cmサイズ"_s,  u"70cmサイズ"_s,  u"80cmサイズ"_s,  u"90cmサイズ"_s,
            u"100cmサイズ"_s, u"120cmサイズ"_s, u"140cmサイズ"_s, u"150cmサイズ"_s,
            u"160cmサイズ"_s, u"170cmサイズ"_s};
}

QStringList weightOptions() {
    return {u"25g"_s, u"50g"_s, u"100g"_s, u"150g"_s, u"250g"_s, u"500g"_s, u"1kg"_s, u"2kg"_s,
            u"3kg"_s, u"4kg"_s, u"5kg"_s,  u"10kg"_s, u"15kg"_s, u"20kg"_s, u"25kg"_s};
}

QStringList envelopeClassOptions() {
    return {u"A4サイズ厚さ1cm"_s,     u"A4サイズ厚さ2cm"_s,     u"B4サイズ厚さ1cm"_s,
            u"B4サイズ厚さ2cm"_s,     u"A4サイズ厚さ1cm速達"_s, u"A4サイズ厚さ2cm速達"_s,
            u"B4サイズ厚さ1cm速達"_s, u"B4サイズ厚さ2cm速達"_s};
}

QStringList displayWidthOptions() {
    QStringList options;
    for (const QStringView width : kDisplayWidths)
        options << width.toString();
    return options;
}

QStringList displayPositionOptions() {
    return {u"中央"_s, u"左寄せ"_s};
}

QStringList boothDisplayOptions() {
    return {u"表示しない"_s, u"商品情報の前に表示"_s, u"商品情報の後に表示"_s};
}

QStringList fontStyleOptions() {
    return {u"標準"_s, u"太字"_s};
}

QStringList titleSizeOptions() {
    return {u"標準"_s, u"大"_s, u"特大"_s};
}

QStringList headingSizeOptions() {
    return {u"標準"_s, u"大"_s};
}

QStringList textSizeOptions() {
    return {u"小"_s, u"標準"_s};
}

std::optional<int> weightGramsAt(int position) {
    if (position < 0 || position >= int(kWeightGrams.size()))
        return std::nullopt;
    return kWeightGrams[std::size_t(position)];
}

} // namespace core
