#pragma once

#include "core/listing_record.h"
#include "platform/colour.h"
#include "platform/prompter.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <QtGlobal>
#include <array>
#include <optional>

namespace page {

// The held page-style values: each the position chosen in its list on the design tab.
struct PageStyle {
    int colourPreset = 1; // OptionButton0 … OptionButton9
    int width = 0;        // ComboBox表示幅: "640", "800", "100%", "80%", "60%"
    int position = 0;     // ComboBox表示位置: "中央", "左寄せ"
    int titleStyle = 1;   // ComboTS1: "標準", "太字"
    int titleSize = 1;    // ComboTS2: "標準", "大", "特大"
    int headingStyle = 1; // ComboMS1: "標準", "太字"
    int headingSize = 0;  // ComboMS2: "標準", "大"
    int textStyle = 0;    // ComboSR1: "標準", "太字"
    int textSize = 0;     // ComboSR2: "小", "標準"

    bool operator==(const PageStyle&) const = default;
};

// Every value brought into its range; a value outside it takes the replacement the held
// value is then set to (preset 1, title style 1, title size 1, heading style 1, others 0).
PageStyle normalizedPageStyle(const PageStyle& style);

// The colours of schemes 0 … 9, by scheme number.
using PresetColours = std::array<platform::ColourValue, 10>;
// The fixed main colours (back colours of L02 … L82) with the user's L92 last.
PresetColours mainPresetColours(platform::ColourValue userMain);
// The fixed sub colours (back colours of L03 … L83) with the user's L93 last.
PresetColours subPresetColours(platform::ColourValue userSub);

// Everything a page is made from, read from the main window when the page is asked for.
struct PageInputs {
    // Title, description, the payment and shipping captions, the explanations and notes with
    // their "表示不要" boxes, the auction ID, ComboMyBooth's position, the booth option and
    // TextBoothUser.
    core::ListingRecord record;
    PageStyle style;
    PresetColours mainColours = mainPresetColours(platform::kWhite);
    PresetColours subColours = subPresetColours(platform::kWhite);
    platform::ColourValue titleColour = platform::kBlack;   // fore colour of CommandT
    platform::ColourValue headingColour = platform::kBlack; // fore colour of CommandM
    platform::ColourValue textColour = platform::kBlack;    // fore colour of CommandSR
    // The prefecture-table entry of the region chosen now; empty gives no carrier notes.
    QString regionName;
    // The lines of text/リンク情報.txt (carrier fee links, booth button and banner).
    QStringList linkTable;
    // The product's home page, linked from the footer credit.
    QString homePage;
    // Nothing when the held template name is not a plain file name (see templatePathIn).
    std::optional<QString> templatePath;
    QString outputPath;
};

// The template `name` in `folder`, or nothing when the name is not a plain file name there
// (empty, "." or "..", or holding a folder separator): a name read from the profile must
// not reach a file outside the template folder.
std::optional<QString> templatePathIn(const QString& folder, const QString& name);

inline constexpr QStringView kMissingTemplateMessage =
    u"テンプレートが見つかりません。デフォルトで作成します。";
inline constexpr QStringView kUnsafeTemplateNameMessage =
    u"テンプレートの名前が正しくありません。デフォルトで作成します。";

// Expands the template through the listing into the page at outputPath (CP932, CR LF, one
// line for each template piece). A missing template is announced with
// kMissingTemplateMessage and the page is made from the built-in temp1 instead, as it is
// after kUnsafeTemplateNameMessage when there is no template path. Other
// failures are shown as "description (CH n)", except a missing file or folder after the
// template was opened, which is silent; a failed page never replaces the previous file.
// Returns the style brought into range, for the caller to hold from now on.
PageStyle AssemblePage(const PageInputs& inputs, platform::Prompter& prompter);

// "#RRGGBB" for a colour value with red in the low byte.
QString ColorToHtml(qint32 value);

} // namespace page
