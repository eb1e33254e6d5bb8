#include "listing_form_apply.h"

#include "content/payment_composer.h"
#include "content/shipping_composer.h"
#include "core/option_lists.h"
#include "number_text.h"

#include <functional>

namespace content {
namespace {

void select(core::ComboValue& combo, const QStringList& items, int position) {
    if (position < -1 || position >= items.size())
        throw platform::Error::fromNumber(platform::ErrorNumber::InvalidPropertyValue);
    combo.position = position;
    // With nothing selected the list keeps its prompt text ("都道府県を選択").
    if (position >= 0)
        combo.text = items[position];
}

void selectFromText(core::ComboValue& combo, const QStringList& items, const QString& position) {
    select(combo, items, int16FromText(position));
}

void applyColourPreset(int preset, core::ListingRecord& record) {
    if (preset >= 0 && preset <= 9)
        record.colourPreset = preset;
}

void applyBoothOption(int option, core::ListingRecord& record) {
    record.OptionBooth1 = option != 2 && option != 3;
    record.OptionBooth2 = option == 2;
    record.OptionBooth3 = option == 3;
}

} // namespace

void composeCaptions(const ShippingRateTable& rates, core::ListingRecord& record) {
    record.Label支払い方法 = ComposePaymentText(record);
    const ShippingCaptions shipping = ComposeShippingText(record, rates);
    record.Label送料1 = shipping.first;
    record.Label送料2 = shipping.second;
}

FormLists standardFormLists(const QStringList& prefectures) {
    FormLists lists;
    lists.sizes = core::sizeOptions();
    lists.weights = core::weightOptions();
    lists.envelopeClasses = core::envelopeClassOptions();
    lists.prefectures = prefectures;
    lists.boothDisplays = core::boothDisplayOptions();
    lists.displayWidths = core::displayWidthOptions();
    lists.displayPositions = core::displayPositionOptions();
    lists.titleStyles = core::fontStyleOptions();
    lists.titleSizes = core::titleSizeOptions();
    lists.headingStyles = core::fontStyleOptions();
    lists.headingSizes = core::headingSizeOptions();
    lists.textStyles = core::fontStyleOptions();
    lists.textSizes = core::textSizeOptions();
    return lists;
}

// Every value is applied even after a bad one, and the first failure is returned: stopping
// there would leave the later lists unset, and the exit save would then overwrite the seller's
// stored choices with "nothing chosen".
std::optional<platform::Error> ApplyHeldSelections(const core::HeldSelections& held,
                                                   const FormLists& lists,
                                                   const ShippingRateTable& rates,
                                                   core::ListingRecord& record) {
    const std::function<void()> steps[] = {
        [&] { selectFromText(record.ComboBox商品サイズ, lists.sizes, held.sizePosition); },
        [&] { select(record.ComboBox商品重さ, lists.weights, held.weightPosition); },
        [&] {
            select(record.ComboBoxクロネコメール便, lists.envelopeClasses,
                   held.mailBinDefaultPosition);
        },
        [&] { composeCaptions(rates, record); },
        [&] { applyColourPreset(held.colourPreset, record); },
        [&] { select(record.Combo都道府県, lists.prefectures, held.regionPosition); },
        [&] {
            selectFromText(record.ComboMyBooth, lists.boothDisplays, held.boothDisplayPosition);
        },
        [&] { applyBoothOption(held.boothOption, record); },
        [&] {
            selectFromText(record.ComboBox表示幅, lists.displayWidths, held.displayWidthPosition);
        },
        [&] { select(record.ComboBox表示位置, lists.displayPositions, held.displayPosition); },
        [&] { record.L92 = colourFromText(held.userMainColour); },
        [&] { record.L93 = colourFromText(held.userSubColour); },
        [&] { record.Label15 = QStringLiteral("テンプレート：") + held.templateName; },
        [&] { selectFromText(record.ComboTS1, lists.titleStyles, held.titleStyle); },
        [&] { selectFromText(record.ComboTS2, lists.titleSizes, held.titleSize); },
        [&] { record.CommandT = colourFromText(held.titleColour); },
        [&] { selectFromText(record.ComboMS1, lists.headingStyles, held.headingStyle); },
        [&] { selectFromText(record.ComboMS2, lists.headingSizes, held.headingSize); },
        [&] { record.CommandM = colourFromText(held.headingColour); },
        [&] { selectFromText(record.ComboSR1, lists.textStyles, held.textStyle); },
        [&] { select(record.ComboSR2, lists.textSizes, held.textSizePosition); },
        [&] { record.CommandSR = colourFromText(held.textColour); },
    };
    std::optional<platform::Error> firstFailure;
    for (const auto& step : steps) {
        try {
            step();
        } catch (const platform::Error& error) {
            if (!firstFailure)
                firstFailure = error;
        }
    }
    return firstFailure;
}

} // namespace content
