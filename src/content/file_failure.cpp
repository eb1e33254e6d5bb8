#include "file_failure.h"

namespace content {

std::optional<QString> fileFailureMessage(const platform::Error& error, QStringView notFound,
                                          const QString& path, QStringView tag) {
    switch (error.number()) {
    case platform::ErrorNumber::FileNotFound:
        return notFound.toString() + path;
    case platform::ErrorNumber::FileAlreadyOpen:
        return std::nullopt;
    default:
        return error.report(tag);
    }
}

} // namespace content
