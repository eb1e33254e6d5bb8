#pragma once

#include "files.h"
#include "listing_index.h"
#include "platform/prompter.h"

#include <QString>
#include <QStringList>
#include <optional>

// The logic of the file manager "ファイル一覧": its two lists and its actions on the selected
// titles of the visible list. Mode 0 shows the finished listings, mode 1 the listed ones.
// The questions stay with the dialog; these report their failures through the Prompter and
// never throw.
namespace storage {

// A move or deletion writes down what it does here before its first change and removes it
// after its last, so that a start after a crash in between can finish it.
inline constexpr QStringView kFileManagerJournal = u"data/tm1.journal";

// Finished for mode 0, Listed for mode 1.
EntryKind kindOfMode(int mode);

struct FileLists {
    QList<TitleLine> finished; // List1 element 0, in index order, once per entry
    QList<TitleLine> listed;   // List1 element 1
};

// ShowFileManager's first step: false, after "ファイルがありません", when the index has no
// finished or listed entry, or after a " (ListSet " report when it cannot be read.
bool FileManagerHasEntries(const Storage& storage, platform::Prompter& prompter);

// The lists read from the index; after a " (ListSet " report, what was read until then.
FileLists FillFileLists(const Storage& storage, platform::Prompter& prompter);

// "削除" after "削除しますか？": copies the index to data/tm1bak.dat, deletes the three files
// of every entry of the mode's kind whose title is selected (a missing file is passed over)
// and drops those entries. After another failure the operation stops with a " (RDW "
// report, and the index written keeps every entry whose files are not all gone. True when
// everything was deleted.
bool DeleteListings(const Storage& storage, int mode, const QStringList& selectedTitles,
                    platform::Prompter& prompter);

// "出品済にする" (mode 0) or "完成に戻す" (mode 1) after its question: every entry of the
// mode's kind whose title is selected changes to the other kind in place, and its three
// files move to the other kind's folders, replacing files of the same names (a missing file
// is passed over). After another failure the operation stops with a " (RDW " report; the
// listing it was at is put back, and the index written says where each listing's files are.
// True when everything was moved.
bool MoveListings(const Storage& storage, int mode, const QStringList& selectedTitles,
                  platform::Prompter& prompter);

// Finishes a move or deletion that a crash cut short, by running it again from what the index
// and the folders show now: files already moved or deleted are passed over. What the seller
// is told; nothing when there was no such operation.
std::optional<QString> FinishInterruptedFileManagerWork(const Storage& storage);

// What "コピー" puts on the clipboard: every selected title followed by CR LF.
QString copiedTitles(const QStringList& selectedTitles);

// What "プレビュー" shows: the page of the first selected title in the mode's folder.
QString previewPagePath(const Storage& storage, int mode, const QString& firstSelectedTitle);

} // namespace storage
