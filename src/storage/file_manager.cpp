#include "file_manager.h"

#include "listing_files.h"
#include "platform/error.h"

#include <QSet>
#include <array>
#include <optional>
#include <utility>
#include <vector>

namespace storage {
namespace {

using core::Workspace;
using platform::Error;
using FileMove = std::pair<QString, QString>; // from, to

const QString kTag = QStringLiteral("RDW");
const QString kListTag = QStringLiteral("ListSet");

std::array<QString, 3> filesOf(const ListingPaths& paths) {
    return {paths.detail, paths.description, paths.page};
}

bool isMissingFile(const Error& error) {
    return error.number() == platform::ErrorNumber::FileNotFound;
}

// False when there was nothing to delete.
bool removeUnlessMissing(Files& files, const QString& path) {
    try {
        files.remove(path);
        return true;
    } catch (const Error& error) {
        if (!isMissingFile(error))
            throw;
        return false;
    }
}

// False when there was nothing to move.
bool moveUnlessMissing(Files& files, const FileMove& move) {
    try {
        files.move(move.first, move.second);
        return true;
    } catch (const Error& error) {
        if (!isMissingFile(error))
            throw;
        return false;
    }
}

// Moves files back, last first; false when one of them stays where it was moved to.
bool moveBack(Files& files, const std::vector<FileMove>& moves) {
    bool allBack = true;
    for (auto move = moves.rbegin(); move != moves.rend(); ++move) {
        try {
            files.move(move->second, move->first);
        } catch (const Error&) {
            allBack = false;
        }
    }
    return allBack;
}

QSet<QString> toSet(const QStringList& titles) {
    return QSet<QString>(titles.begin(), titles.end());
}

// Adds the titles entry by entry, so that after a failure the lists keep what was read.
void readFileLists(const Storage& storage, FileLists& lists) {
    IndexReader reader(storage.files->read(storage.path(Workspace::IndexFile)));
    while (!reader.atEnd()) {
        const IndexEntry entry = reader.next();
        if (entry.kind == EntryKind::Finished)
            lists.finished << entry.title;
        else if (entry.kind == EntryKind::Listed)
            lists.listed << entry.title;
    }
}

// Shows the first failure of an operation, if any; true when there was none.
bool reportFailure(const std::optional<Error>& failure, platform::Prompter& prompter) {
    if (!failure)
        return true;
    prompter.inform(failure->report(kTag));
    return false;
}

} // namespace

EntryKind kindOfMode(int mode) {
    return mode == 1 ? EntryKind::Listed : EntryKind::Finished;
}

bool FileManagerHasEntries(const Storage& storage, platform::Prompter& prompter) {
    FileLists lists;
    try {
        readFileLists(storage, lists);
    } catch (const Error& error) {
        prompter.inform(error.report(kListTag));
        return false;
    }
    if (!lists.finished.isEmpty() || !lists.listed.isEmpty())
        return true;
    prompter.inform(QStringLiteral("ファイルがありません"));
    return false;
}

FileLists FillFileLists(const Storage& storage, platform::Prompter& prompter) {
    FileLists lists;
    try {
        readFileLists(storage, lists);
    } catch (const Error& error) {
        prompter.inform(error.report(kListTag));
    }
    return lists;
}

bool DeleteListings(const Storage& storage, int mode, const QStringList& selectedTitles,
                    platform::Prompter& prompter) {
    Files& files = *storage.files;
    const EntryKind target = kindOfMode(mode);
    const QSet<QString> selected = toSet(selectedTitles);
    const QString backup = storage.path(Workspace::IndexDeleteBackup);
    ListingIndex entries;
    try {
        entries = readIndex(storage);
        files.copy(storage.path(Workspace::IndexFile), backup);
    } catch (const Error& error) {
        prompter.inform(error.report(kTag));
        return false;
    }

    std::optional<Error> failure;
    ListingIndex kept;
    for (const IndexEntry& entry : std::as_const(entries)) {
        if (failure || entry.kind != target || !selected.contains(entry.title)) {
            kept << entry;
            continue;
        }
        try {
            for (const QString& path :
                 filesOf(listingPaths(storage, target, entry.fileName, entry.title)))
                removeUnlessMissing(files, path);
        } catch (const Error& error) {
            // Some of its files may be left: the entry stays with them.
            failure = error;
            kept << entry;
        }
    }
    try {
        if (kept.size() != entries.size())
            writeIndex(storage, kept);
        if (!failure)
            removeUnlessMissing(files, backup);
    } catch (const Error& error) {
        if (!failure)
            failure = error;
    }
    return reportFailure(failure, prompter);
}

bool MoveListings(const Storage& storage, int mode, const QStringList& selectedTitles,
                  platform::Prompter& prompter) {
    Files& files = *storage.files;
    const EntryKind source = kindOfMode(mode);
    const EntryKind target = mode == 1 ? EntryKind::Finished : EntryKind::Listed;
    const QSet<QString> selected = toSet(selectedTitles);
    ListingIndex entries;
    try {
        entries = readIndex(storage);
    } catch (const Error& error) {
        prompter.inform(error.report(kTag));
        return false;
    }

    std::optional<Error> failure;
    std::vector<FileMove> moved; // every move made, for putting them back
    bool changed = false;
    for (IndexEntry& entry : entries) {
        if (failure || entry.kind != source || !selected.contains(entry.title))
            continue;
        std::array<QString, 3> from, to;
        try {
            from = filesOf(listingPaths(storage, source, entry.fileName, entry.title));
            to = filesOf(listingPaths(storage, target, entry.fileName, entry.title));
        } catch (const Error& error) {
            failure = error;
            continue;
        }
        std::vector<FileMove> done;
        try {
            for (std::size_t i = 0; i < from.size(); ++i) {
                if (moveUnlessMissing(files, {from[i], to[i]}))
                    done.push_back({from[i], to[i]});
            }
            entry.kind = target;
            moved.insert(moved.end(), done.begin(), done.end());
        } catch (const Error& error) {
            failure = error;
            // A listing is never left split between the folders if it can be helped; when
            // it cannot, its entry follows its detail record.
            if (!moveBack(files, done) && files.exists(to[0]))
                entry.kind = target;
        }
        changed = changed || entry.kind == target;
    }
    try {
        if (changed)
            writeIndex(storage, entries);
    } catch (const Error& error) {
        // The old index still stands: the files go back to where it says they are.
        moveBack(files, moved);
        if (!failure)
            failure = error;
    }
    return reportFailure(failure, prompter);
}

QString copiedTitles(const QStringList& selectedTitles) {
    QString text;
    for (const QString& title : selectedTitles)
        text += title + QStringLiteral("\r\n");
    return text;
}

QString previewPagePath(const Storage& storage, int mode, const QString& firstSelectedTitle) {
    return pagePath(storage, kindOfMode(mode), firstSelectedTitle);
}

} // namespace storage
