#include "auction_id.h"

#include "profile_bindings.h"

#include <algorithm>

namespace content {
namespace {

const ProfileBinding& auctionIdBinding() {
    static const ProfileBinding& binding = []() -> const ProfileBinding& {
        const std::span<const ProfileBinding> bindings = profileBindings();
        const auto found = std::find_if(bindings.begin(), bindings.end(), [](const auto& b) {
            const auto* field = std::get_if<QString core::ListingRecord::*>(&b.record);
            return field && *field == &core::ListingRecord::Textyahooid;
        });
        Q_ASSERT(found != bindings.end());
        return *found;
    }();
    return binding;
}

} // namespace

QString readAuctionId(const profile::Profiles& profiles) {
    return readProfileText(profiles, auctionIdBinding());
}

void storeAuctionId(const profile::Profiles& profiles, const QString& id) {
    writeProfileText(profiles, auctionIdBinding(), id);
}

} // namespace content
