#include "listing_form_restore.h"

#include "aids/phrase_file.h"
#include "core/message_tags.h"
#include "file_failure.h"
#include "number_text.h"
#include "profile_bindings.h"

namespace content {
namespace {

using H = core::HeldSelections;
using R = core::ListingRecord;

void restoreHeld(const ProfileBinding& binding, const QString& text, H& held) {
    if (const auto* field = std::get_if<QString H::*>(&binding.held))
        held.*(*field) = text;
    else if (const auto* field = std::get_if<std::int16_t H::*>(&binding.held))
        held.*(*field) =
            binding.number == NumberText::Leading ? leadingInt16(text) : int16FromText(text);
    else if (const auto* field = std::get_if<int H::*>(&binding.held))
        held.*(*field) = intFromText(text);
}

void restoreKey(const profile::Profiles& profiles, const ProfileBinding& binding, R& record,
                H& held) {
    if (!std::holds_alternative<std::monostate>(binding.held)) {
        restoreHeld(binding, readProfileText(profiles, binding), held);
    } else if (const auto* box = std::get_if<core::CheckValue R::*>(&binding.record)) {
        const QString on =
            profiles.ReadAuctionIni(binding.section.toString(), binding.key.toString(), true);
        record.*(*box) = on == QLatin1String("1") ? 1 : 0;
    } else if (const auto* text = std::get_if<QString R::*>(&binding.record)) {
        record.*(*text) = readProfileText(profiles, binding);
    }
}

} // namespace

void RestoreListingForm(const core::Workspace& workspace, core::ListingRecord& record,
                        core::HeldSelections& held, platform::Prompter& prompter) {
    const profile::Profiles profiles(workspace.applicationFolder);
    // Each profile file is read once for the whole restore instead of once per key.
    const profile::ProfileBatch batch(profiles);
    QString lastExplanationPath;
    for (const ProfileBinding& binding : profileBindings()) {
        try {
            restoreKey(profiles, binding, record, held);
            if (binding.explanation) {
                // The loader shows its own failure; the paragraph is then left empty.
                lastExplanationPath = workspace.path(binding.explanationFile);
                record.*binding.explanation =
                    aids::loadPhraseFile(lastExplanationPath, prompter).value_or(QString());
            }
        } catch (const platform::Error& error) {
            if (const auto message =
                    fileFailureMessage(error, u"ファイルがありません。　", lastExplanationPath,
                                       core::tag::RestoreForm))
                prompter.inform(*message);
        }
    }
}

} // namespace content
