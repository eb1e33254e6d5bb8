#pragma once

#include "core/held_selections.h"
#include "core/listing_record.h"
#include "form1_controls.h"
#include "profile/profiles.h"

#include <QStringView>
#include <cstdint>
#include <span>
#include <variant>

namespace content {

enum class ProfileFileId { Auction, Setting, Basic };

// Where a key's value is held between the restore and its application, if it is.
using HeldField = std::variant<std::monostate, QString core::HeldSelections::*,
                               std::int16_t core::HeldSelections::*, int core::HeldSelections::*>;

// How a held 16-bit number is read from its text.
enum class NumberText {
    Whole,   // the whole text is the number (int16FromText)
    Leading, // the number the text starts with (leadingInt16)
};

// One key of the profile files. The restore puts its value into `held` when there is one,
// else into `record` (check boxes as flags, texts as they stand); the save takes it from
// `record` when there is one (list positions, flags, colours as decimal numbers), else from
// `held`. A key with neither is only written at first run; its own action reads it.
struct ProfileBinding {
    ProfileFileId file;
    QStringView section;
    QStringView key;
    RecordField record;
    HeldField held;
    NumberText number = NumberText::Whole;
    // Its first-run value; nullptr: not written at first run (a missing key reads as off).
    const char16_t* firstRun = nullptr;
    // The explanation paragraph the restore loads right after this key (a Workspace name).
    QStringView explanationFile;
    QString core::ListingRecord::*explanation = nullptr;
    // What the seller calls a free-text value (its control's accessible name), for messages.
    QStringView label;
};

// Every key, in the order the restore reads them, the save writes them and the first-run
// writers write each file.
std::span<const ProfileBinding> profileBindings();

// The text the save writes for `binding`.
QString savedProfileValue(const ProfileBinding& binding, const core::ListingRecord& record,
                          const core::HeldSelections& held);

// The held value that follows the list `list` (a list position) or the swatch `colour`
// when the seller changes it; false when no held value follows it.
bool followList(core::HeldSelections& held, core::ComboValue core::ListingRecord::*list,
                int position);
bool followColour(core::HeldSelections& held, platform::ColourValue core::ListingRecord::*colour,
                  platform::ColourValue value);

QString readProfileText(const profile::Profiles& profiles, const ProfileBinding& binding);
void writeProfileText(const profile::Profiles& profiles, const ProfileBinding& binding,
                      const QString& value);

// The complete first-run contents of each file, written key by key in table order.
void CreateDefaultAuctionIni(const profile::Profiles& profiles);
void CreateDefaultSettingIni(const profile::Profiles& profiles);
void CreateDefaultBasicIni(const profile::Profiles& profiles);

} // namespace content
