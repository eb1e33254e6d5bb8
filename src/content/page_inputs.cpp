#include "page_inputs.h"

#include "content/number_text.h"
#include "content/web_addresses.h"

namespace content {
namespace {

int heldNumber(const QString& text) {
    try {
        return intFromText(text);
    } catch (const platform::Error&) {
        return -1;
    }
}

} // namespace

page::PageStyle heldPageStyle(const core::HeldSelections& held) {
    page::PageStyle style;
    style.colourPreset = held.colourPreset;
    style.width = heldNumber(held.displayWidthPosition);
    style.position = held.displayPosition;
    style.titleStyle = heldNumber(held.titleStyle);
    style.titleSize = heldNumber(held.titleSize);
    style.headingStyle = heldNumber(held.headingStyle);
    style.headingSize = heldNumber(held.headingSize);
    style.textStyle = heldNumber(held.textStyle);
    style.textSize = held.textSizePosition;
    return style;
}

void holdPageStyle(core::HeldSelections& held, const page::PageStyle& style) {
    held.colourPreset = style.colourPreset;
    held.displayWidthPosition = QString::number(style.width);
    held.displayPosition = std::int16_t(style.position);
    held.titleStyle = QString::number(style.titleStyle);
    held.titleSize = QString::number(style.titleSize);
    held.headingStyle = QString::number(style.headingStyle);
    held.headingSize = QString::number(style.headingSize);
    held.textStyle = QString::number(style.textStyle);
    held.textSizePosition = std::int16_t(style.textSize);
}

page::PageInputs pageInputs(const ListingFormController& form, core::ListingRecord record,
                            const QString& outputPath) {
    page::PageInputs inputs;
    inputs.record = std::move(record);
    const core::ListingRecord& r = inputs.record;
    inputs.style = heldPageStyle(form.held());
    inputs.mainColours = page::mainPresetColours(r.L92);
    inputs.subColours = page::subPresetColours(r.L93);
    inputs.titleColour = r.CommandT;
    inputs.headingColour = r.CommandM;
    inputs.textColour = r.CommandSR;
    // The region chosen now, not the one held at the last activation.
    // A position off the list (none chosen, or a shorter list) names no region.
    inputs.regionName = form.prefectureTable().value(r.Combo都道府県.position);
    inputs.linkTable = form.linkTable();
    inputs.homePage = readWebAddresses(form.workspace()).home;
    inputs.templatePath = page::templatePathIn(
        form.workspace().path(core::Workspace::TemplateFolder), form.held().templateName);
    inputs.outputPath = outputPath;
    return inputs;
}

} // namespace content
