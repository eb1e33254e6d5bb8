#pragma once

#include "core/listing_record.h"
#include "files.h"
#include "listing_index.h"
#include "platform/clock.h"
#include "platform/prompter.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

// The storage side of the window's actions on kept listings. Each reports its own failures
// through the Prompter in the program's format ("description (TAG number)") and returns
// what the window needs; none of them throws.
namespace storage {

struct FinishOutcome {
    // The listing is in the index with its files: the window writes the page now.
    bool saved = false;
    // The title as kept (without double quotation marks); the window shows it and builds
    // the page with it.
    QString title;
    // userdata/ + the full-width title + ".html"
    QString pagePath;
    QString fileStamp;
};

// The saving part of "完成", run after the title rules, the ID check and "保存しますか？"
// were passed. A title that cannot name a page file is refused with a message before
// anything is written. Then the listing's files are written under a free file stamp, the
// index names them, and the files of an earlier finished save of the title are deleted.
// Failures: " (DDW " for the listing's files, " (RDW " for the index, " (F1CC " otherwise.
// Until the index names the new files nothing else changes; the new files are then taken
// away again.
FinishOutcome FinishListing(const Storage& storage, const core::ListingRecord& record,
                            const platform::Clock& clock, platform::Prompter& prompter);

// The saving part of "下書きファイルを保存", after "下書き保存しますか？" and NormalizeTitle:
// data/下書き.dat receives the description, then the single draft entry takes the title.
// Failures: " (DDW ", " (RDW ", " (mSS "; a failure ends the save. True when saved.
bool SaveDraft(const Storage& storage, const core::ListingRecord& record,
               const platform::Clock& clock, platform::Prompter& prompter);

struct Draft {
    QString title;
    QString description; // every line followed by CR LF
};
// "下書きファイルを開く": the draft entry's title and its file's text; nothing (after
// "下書きファイルはありません。" or a " (mSO " report) leaves the window unchanged.
std::optional<Draft> OpenDraft(const Storage& storage, platform::Prompter& prompter);

// The lines of "完成ファイルを開く": the finished entries in index order, once per entry;
// nothing after a " (mCO " report.
std::optional<QList<TitleLine>> FinishedLines(const Storage& storage, platform::Prompter& prompter);

struct OpenedListing {
    // The window's record with the title, the choices of the detail record and, unless its
    // file failed, the description put in.
    core::ListingRecord record;
    // Field 3 of the detail record: the window's held mail-bin position from now on.
    std::int16_t mailBinDefaultPosition = 0;
};
// Opens the first finished entry titled exactly `chosenTitle` into `current`. Nothing for an
// empty or unknown title, or after a " (mCO " report for the index or the detail record. A
// failing description file is reported too, and the title and choices are still returned
// with the old description.
std::optional<OpenedListing> OpenFinishedListing(const Storage& storage, const QString& chosenTitle,
                                                 const core::ListingRecord& current,
                                                 platform::Prompter& prompter);

} // namespace storage
