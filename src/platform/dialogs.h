#pragma once

#include "colour.h"

#include <QString>

#include <optional>

namespace platform {

// The common dialogs; an empty result means the user cancelled and nothing changes.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual std::optional<QString> openFile(const QString& title, const QString& folder,
                                            const QString& filter) = 0;
    virtual std::optional<ColourValue> pickColour(ColourValue current) = 0;
};

} // namespace platform
