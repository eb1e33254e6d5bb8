#include "listing_actions.h"

#include "core/message_tags.h"
#include "detail_record.h"
#include "listing_files.h"
#include "listing_index.h"
#include "platform/error.h"
#include "record_syntax.h"

#include <algorithm>

namespace storage {
namespace {

using core::Workspace;
using platform::Error;

// Takes away the files of a save that the index does not name; a failure here only leaves
// files nothing refers to.
void discardListingFiles(const Storage& storage, const QString& stamp) {
    try {
        deleteListingFiles(storage, stamp);
    } catch (const Error&) {
    }
}

} // namespace

FinishOutcome FinishListing(const Storage& storage, const core::ListingRecord& record,
                            const platform::Clock& clock, platform::Prompter& prompter) {
    FinishOutcome outcome;
    outcome.title = withoutQuotes(record.TextBoxタイトル);
    if (const std::optional<QString> problem = pageNameProblem(outcome.title)) {
        prompter.inform(*problem);
        return outcome;
    }
    QDateTime now;
    try {
        now = clock.now();
        outcome.fileStamp = freeFileStamp(storage, now);
        outcome.pagePath = pagePath(storage, EntryKind::Finished, outcome.title);
    } catch (const Error& error) {
        prompter.inform(error.report(core::tag::FinishListing));
        return outcome;
    }

    // The new files come first and the old ones go last, so whatever fails, the index names
    // a listing whose files are all there.
    QStringList previous;
    try {
        SaveListingFiles(storage, EntryKind::Finished, outcome.fileStamp, {}, record, now);
    } catch (const Error& error) {
        discardListingFiles(storage, outcome.fileStamp);
        prompter.inform(error.report(core::tag::ListingDataFiles));
        return outcome;
    }
    try {
        previous = UpdateIndex(storage, EntryKind::Finished, outcome.title, outcome.fileStamp, now);
    } catch (const Error& error) {
        discardListingFiles(storage, outcome.fileStamp);
        prompter.inform(error.report(core::tag::ListingIndex));
        return outcome;
    }
    outcome.saved = true;
    try {
        for (const QString& name : previous)
            deleteListingFiles(storage, name);
    } catch (const Error& error) {
        prompter.inform(error.report(core::tag::ListingDataFiles));
    }
    return outcome;
}

bool SaveDraft(const Storage& storage, const core::ListingRecord& record,
               const platform::Clock& clock, platform::Prompter& prompter) {
    QStringView tag = core::tag::SaveDraft;
    try {
        const QDateTime now = clock.now();
        // The file first: a first draft's entry then never names a missing file.
        tag = core::tag::ListingDataFiles;
        SaveListingFiles(storage, EntryKind::Draft, QString(), {}, record, now);
        tag = core::tag::ListingIndex;
        UpdateIndex(storage, EntryKind::Draft, record.TextBoxタイトル, QString(), now);
        return true;
    } catch (const Error& error) {
        prompter.inform(error.report(tag));
        return false;
    }
}

std::optional<Draft> OpenDraft(const Storage& storage, platform::Prompter& prompter) {
    try {
        const ListingIndex index = readIndex(storage);
        const auto draft = std::find_if(index.begin(), index.end(), [](const IndexEntry& entry) {
            return entry.kind == EntryKind::Draft;
        });
        if (draft == index.end()) {
            prompter.inform(QStringLiteral("下書きファイルはありません。"));
            return std::nullopt;
        }
        checkFileName(draft->fileName);
        const QString path = storage.path(Workspace::DataFolder) + u'/' + draft->fileName;
        return Draft{draft->title, readDescription(*storage.files, path)};
    } catch (const Error& error) {
        prompter.inform(error.report(core::tag::OpenDraft));
        return std::nullopt;
    }
}

std::optional<QList<TitleLine>> FinishedLines(const Storage& storage,
                                              platform::Prompter& prompter) {
    try {
        return linesOf(readIndex(storage), EntryKind::Finished);
    } catch (const Error& error) {
        prompter.inform(error.report(core::tag::OpenFinished));
        return std::nullopt;
    }
}

std::optional<OpenedListing> OpenFinishedListing(const Storage& storage, const QString& chosenTitle,
                                                 const core::ListingRecord& current,
                                                 platform::Prompter& prompter) {
    if (chosenTitle.isEmpty())
        return std::nullopt;
    std::optional<OpenedListing> opened;
    try {
        const std::optional<IndexEntry> entry =
            findEntry(readIndex(storage), EntryKind::Finished, chosenTitle);
        if (!entry)
            return std::nullopt;
        const ListingPaths paths =
            listingPaths(storage, EntryKind::Finished, entry->fileName, entry->title);
        const DetailRecord detail = ReadDetailRecord(*storage.files, paths.detail);
        core::ListingRecord record = current;
        record.TextBoxタイトル = entry->title;
        opened = OpenedListing{ApplyDetailRecord(detail, record),
                               std::int16_t(detail.ComboBoxクロネコメール便.position)};
        opened->record.TextBox商品説明 = readDescription(*storage.files, paths.description);
    } catch (const Error& error) {
        prompter.inform(error.report(core::tag::OpenFinished));
    }
    return opened;
}

} // namespace storage
