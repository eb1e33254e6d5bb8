#include "file_manager.h"

#include "listing_files.h"
#include "platform/error.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <algorithm>
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
            lists.finished << TitleLine{entry.title, entry.savedAt};
        else if (entry.kind == EntryKind::Listed)
            lists.listed << TitleLine{entry.title, entry.savedAt};
    }
}

enum class Action { Move, Delete };

const QString kMoveName = QStringLiteral("move");
const QString kDeleteName = QStringLiteral("delete");

bool selects(const ListingIndex& entries, EntryKind kind, const QSet<QString>& selected) {
    return std::any_of(entries.begin(), entries.end(), [&](const IndexEntry& entry) {
        return entry.kind == kind && selected.contains(entry.title);
    });
}

// The operation is written down before its first change, so a start after a crash can run it
// again: both operations only ever go forward from what the index and the folders show.
void writeJournal(const Storage& storage, Action action, int mode, const QStringList& titles) {
    const QJsonObject journal{
        {QStringLiteral("action"), action == Action::Move ? kMoveName : kDeleteName},
        {QStringLiteral("mode"), mode},
        {QStringLiteral("titles"), QJsonArray::fromStringList(titles)}};
    storage.files->write(storage.path(kFileManagerJournal),
                         QJsonDocument(journal).toJson(QJsonDocument::Compact));
}

// Keeps the first failure: a journal left behind is only run again at the next start, but
// what stops it going is worth telling.
void removeJournal(const Storage& storage, std::optional<Error>& failure) {
    try {
        removeUnlessMissing(*storage.files, storage.path(kFileManagerJournal));
    } catch (const Error& error) {
        if (!failure)
            failure = error;
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
        if (!selects(entries, target, selected))
            return true;
        writeJournal(storage, Action::Delete, mode, selectedTitles);
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
    removeJournal(storage, failure);
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
        if (!selects(entries, source, selected))
            return true;
        writeJournal(storage, Action::Move, mode, selectedTitles);
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
    removeJournal(storage, failure);
    return reportFailure(failure, prompter);
}

std::optional<QString> FinishInterruptedFileManagerWork(const Storage& storage) {
    const QString path = storage.path(kFileManagerJournal);
    if (!storage.files->exists(path))
        return std::nullopt;
    QJsonObject journal;
    try {
        journal = QJsonDocument::fromJson(storage.files->read(path)).object();
    } catch (const Error& error) {
        return QStringLiteral("前回中断したファイルの操作を確かめられませんでした。") +
               error.report(kTag);
    }
    const QString action = journal.value(QStringLiteral("action")).toString();
    const int mode = journal.value(QStringLiteral("mode")).toInt();
    QStringList titles;
    for (const QJsonValue& title : journal.value(QStringLiteral("titles")).toArray())
        titles << title.toString();

    // The operations report through a prompter; here their one failure becomes part of the
    // start-up message instead.
    struct Collected : platform::Prompter {
        QStringList texts;
        void inform(const QString& text) override { texts << text; }
        bool ask(const QString&) override { return false; }
    } collected;
    QString done;
    if (action == kMoveName) {
        MoveListings(storage, mode, titles, collected);
        done = QStringLiteral("前回中断したファイルの移動を整えました。");
    } else if (action == kDeleteName) {
        // Cut short after its index was written, it selects nothing now and leaves the copy
        // of the old index to be taken away here.
        if (DeleteListings(storage, mode, titles, collected))
            QFile::remove(storage.path(Workspace::IndexDeleteBackup));
        done = QStringLiteral("前回中断したファイルの削除を整えました。");
    }
    // The operations remove the journal themselves, but not one that names nothing to do.
    std::optional<Error> failure;
    removeJournal(storage, failure);
    if (failure)
        collected.texts << failure->report(kTag);
    if (!collected.texts.isEmpty())
        return QStringLiteral("前回中断したファイルの操作を最後まで済ませられませんでした。") +
               collected.texts.join(u'\n');
    return done.isEmpty() ? std::nullopt : std::optional<QString>(done);
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
