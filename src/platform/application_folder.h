#pragma once

#include <QString>

namespace platform {

// Where everything the program keeps lives. A portable copy keeps it beside its executable;
// a program that cannot write there (or one installed from the package, whose executable
// sits in <prefix>/bin beside <prefix>/lib/tomoea) keeps it in the seller's own data folder.
QString chooseApplicationFolder(const QString& executableFolder, const QString& userFolder);

// The seller's own data folder: $XDG_DATA_HOME/TomoeA, ~/.local/share/TomoeA by default.
QString userDataFolder();

// The choice above for the running executable. The user folder is created when chosen, so
// the first start can fill it.
QString applicationFolder();

} // namespace platform
