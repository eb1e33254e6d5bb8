#include "assemble_page.h"

#include "built_in_templates.h"
#include "core/colour_presets.h"
#include "core/message_tags.h"
#include "core/piece_reader.h"
#include "page_rules.h"
#include "platform/error.h"
#include "template_stream.h"

#include <optional>
#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace page {
namespace {

int inRange(int value, int last, int replacement) {
    return value >= 0 && value <= last ? value : replacement;
}

bool isMissingFile(const platform::Error& error) {
    return error.number() == platform::ErrorNumber::FileNotFound ||
           error.number() == platform::ErrorNumber::PathNotFound;
}

template <typename NextPiece>
void writePage(PageExpander& expander, NextPiece nextPiece, PageFile& page) {
    while (std::optional<QString> piece = nextPiece())
        page.writeLine(expander.expand(std::move(*piece)));
    page.commit();
}

} // namespace

PageStyle normalizedPageStyle(const PageStyle& style) {
    return {
        .colourPreset = inRange(style.colourPreset, 9, 1),
        .width = inRange(style.width, 4, 0),
        .position = inRange(style.position, 1, 0),
        .titleStyle = inRange(style.titleStyle, 1, 1),
        .titleSize = inRange(style.titleSize, 2, 1),
        .headingStyle = inRange(style.headingStyle, 1, 1),
        .headingSize = inRange(style.headingSize, 1, 0),
        .textStyle = inRange(style.textStyle, 1, 0),
        .textSize = inRange(style.textSize, 1, 0),
    };
}

PresetColours mainPresetColours(platform::ColourValue userMain) {
    PresetColours colours{};
    for (const core::ColourPreset& preset : core::kColourPresets)
        colours.at(std::size_t(preset.number)) = preset.main;
    colours.at(core::kUserPreset) = userMain;
    return colours;
}

PresetColours subPresetColours(platform::ColourValue userSub) {
    PresetColours colours{};
    for (const core::ColourPreset& preset : core::kColourPresets)
        colours.at(std::size_t(preset.number)) = preset.sub;
    colours.at(core::kUserPreset) = userSub;
    return colours;
}

QString ColorToHtml(qint32 value) {
    // The digits of the number itself, pair by pair from the right: for a colour below
    // 0x1000000 that is red, green, blue.
    const QString digits = QString::number(quint32(value), 16).toUpper().rightJustified(6, u'0');
    return u'#' + digits.mid(4, 2) + digits.mid(2, 2) + digits.mid(0, 2);
}

std::optional<QString> templatePathIn(const QString& folder, const QString& name) {
    const bool plain = !name.isEmpty() && name != u"." && name != u".." && !name.contains(u'/') &&
                       !name.contains(u'\\') && !name.contains(QChar());
    if (!plain)
        return std::nullopt;
    return folder + u'/' + name;
}

PageStyle AssemblePage(const PageInputs& inputs, platform::Prompter& prompter) {
    const PageStyle style = normalizedPageStyle(inputs.style);
    PageExpander expander(inputs, style);
    try {
        std::optional<TemplatePieces> pieces;
        if (!inputs.templatePath) {
            prompter.inform(kUnsafeTemplateNameMessage.toString());
        } else {
            try {
                pieces.emplace(*inputs.templatePath);
            } catch (const platform::Error& error) {
                if (!isMissingFile(error))
                    throw;
                prompter.inform(kMissingTemplateMessage.toString());
            }
        }
        PageFile page(inputs.outputPath);
        if (pieces) {
            writePage(
                expander, [&] { return pieces->next(); }, page);
        } else {
            // The built-in text goes through the same reader a template file does.
            core::PieceReader reader(builtInTemplate1Lines().join(u"\r\n"_s) + u"\r\n"_s);
            auto next = [&]() -> std::optional<QString> {
                if (reader.atEnd())
                    return std::nullopt;
                return reader.next();
            };
            writePage(expander, next, page);
        }
    } catch (const platform::Error& error) {
        // A missing output folder is the caller's to notice: it shows nothing here.
        if (!isMissingFile(error))
            prompter.inform(error.report(core::tag::AssemblePage));
    }
    return style;
}

} // namespace page
