#pragma once

#include "profile/profiles.h"

#include <QString>

// The seller's auction ID, kept where its profile binding says.
namespace content {

QString readAuctionId(const profile::Profiles& profiles);
// Throws platform::Error.
void storeAuctionId(const profile::Profiles& profiles, const QString& id);

} // namespace content
