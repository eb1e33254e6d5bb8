#include "listing_form_save.h"

#include "profile_bindings.h"

namespace content {

std::optional<platform::Error> SaveListingForm(const core::Workspace& workspace,
                                               const core::ListingRecord& record,
                                               const core::HeldSelections& held) {
    const profile::Profiles profiles(workspace.applicationFolder);
    try {
        // A failing write ends the batch early, which still keeps the keys before it, as
        // if each had been written alone.
        profile::ProfileBatch batch(profiles);
        for (const ProfileBinding& binding : profileBindings()) {
            const bool bound = !std::holds_alternative<std::monostate>(binding.record) ||
                               !std::holds_alternative<std::monostate>(binding.held);
            if (bound)
                writeProfileText(profiles, binding, savedProfileValue(binding, record, held));
        }
        batch.commit();
    } catch (const platform::Error& error) {
        return error;
    }
    return std::nullopt;
}

} // namespace content
