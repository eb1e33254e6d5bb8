#pragma once

#include "platform/error.h"

#include <QString>
#include <QStringView>
#include <optional>

namespace content {

// The message a failed step of reading a file shows: for a missing file `notFound`
// followed by the path, nothing for a file already open (nothing stays open between
// steps), else "description (TAG number)".
std::optional<QString> fileFailureMessage(const platform::Error& error, QStringView notFound,
                                          const QString& path, QStringView tag);

} // namespace content
