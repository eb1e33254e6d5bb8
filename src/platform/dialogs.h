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
    // `path` is the suggested file (folder and name); an existing file chosen here is
    // confirmed by the dialog itself. Implementations without a save picker cancel.
    virtual std::optional<QString> saveFile(const QString& title, const QString& path,
                                            const QString& filter) {
        (void)title, (void)path, (void)filter;
        return std::nullopt;
    }
    // Shows `folder` in the desktop's file manager; false when nothing could show it.
    virtual bool openFolder(const QString& folder) {
        (void)folder;
        return false;
    }
};

} // namespace platform
