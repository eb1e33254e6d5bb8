#include "prepare_workspace.h"

#include "aids/first_run_phrases.h"
#include "content/first_run_tables.h"
#include "content/profile_bindings.h"
#include "core/workspace.h"
#include "page/built_in_templates.h"
#include "platform/native_file.h"
#include "platform/text_file.h"
#include "storage/listing_index.h"

#include <QFile>
#include <cerrno>
#include <sys/stat.h>

namespace app {
namespace {

using core::Workspace;

// Anything by that name counts, even a plain file where a folder belongs: the seller's own
// arrangement is never replaced, and a later write into it reports the problem instead.
bool isPresent(const QString& path) {
    return platform::pathExists(path);
}

// One level only: the parent has been made (or found) by an earlier step.
void createFolder(const QString& path) {
    if (::mkdir(platform::nativePath(path).constData(), 0777) != 0)
        throw platform::Error::fromErrno(errno, path);
}

void ensureFolder(const Workspace& workspace, QStringView name) {
    const QString path = workspace.path(name);
    if (!isPresent(path))
        createFolder(path);
}

template <typename Write>
void writeIfMissing(const Workspace& workspace, QStringView name, Write write) {
    const QString path = workspace.path(name);
    if (!isPresent(path))
        write(path);
}

// Every default is plain CP932 text; a character without a CP932 form would be a bug here.
void writeDefault(const QString& path, const QStringList& lines) {
    platform::writeTextLines(path, lines, platform::Unmappable::Refuse);
}

void ensureTextFile(const Workspace& workspace, QStringView name, const QStringList& lines) {
    writeIfMissing(workspace, name, [&](const QString& path) { writeDefault(path, lines); });
}

// The templates come only with a new template folder: a seller who emptied the folder
// wanted it that way.
void ensureTemplateFolder(const Workspace& workspace) {
    const QString folder = workspace.path(Workspace::TemplateFolder);
    if (isPresent(folder))
        return;
    createFolder(folder);
    for (const page::BuiltInTemplate& builtIn : page::kBuiltInTemplates)
        writeDefault(folder + u'/' + builtIn.fileName.toString(), builtIn.lines());
}

void prepare(const Workspace& workspace, const platform::Clock& clock) {
    const profile::Profiles profiles(workspace.applicationFolder);

    ensureFolder(workspace, Workspace::IniFolder);
    ensureFolder(workspace, Workspace::DataFolder);
    ensureFolder(workspace, Workspace::DataAfterFolder);
    ensureFolder(workspace, Workspace::UserDataFolder);
    ensureFolder(workspace, Workspace::UserDataAfterFolder);
    ensureTemplateFolder(workspace);
    writeIfMissing(workspace, Workspace::AuctionIni,
                   [&](const QString&) { content::CreateDefaultAuctionIni(profiles); });
    writeIfMissing(workspace, Workspace::SettingIni,
                   [&](const QString&) { content::CreateDefaultSettingIni(profiles); });
    writeIfMissing(workspace, Workspace::BasicIni,
                   [&](const QString&) { content::CreateDefaultBasicIni(profiles); });
    ensureFolder(workspace, Workspace::TextFolder);
    ensureTextFile(workspace, Workspace::ShippingRatesFile, content::firstRunShippingRateLines());
    ensureTextFile(workspace, Workspace::RegionListFile, content::firstRunRegionLines());
    ensureTextFile(workspace, Workspace::NotesPhraseFile, aids::firstRunNotesPhraseLines());
    ensureTextFile(workspace, Workspace::PaymentPhraseFile, aids::firstRunPaymentPhraseLines());
    ensureTextFile(workspace, Workspace::ShippingPhraseFile, aids::firstRunShippingPhraseLines());
    ensureTextFile(workspace, Workspace::StockPhraseFile, aids::firstRunStockPhraseLines());
    ensureTextFile(workspace, Workspace::LinkInfoFile, content::firstRunLinkInfoLines());
    ensureTextFile(workspace, Workspace::IndexFile, storage::firstRunIndexLines(clock.now()));
}

} // namespace

std::optional<platform::Error> PrepareWorkspace(const QString& applicationFolder,
                                                const platform::Clock& clock) {
    try {
        prepare(Workspace{applicationFolder}, clock);
        return std::nullopt;
    } catch (const platform::Error& error) {
        return error;
    }
}

} // namespace app
