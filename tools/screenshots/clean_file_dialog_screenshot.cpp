// Developer tool, not a test: shows the file manager over a temporary workspace with a few
// listings and saves a picture of each mode, so the layout can be looked at with real fonts.
//   clean_file_dialog_screenshot <output folder>
#include "platform/prompter.h"
#include "screenshot_tool.h"
#include "storage/listing_index.h"
#include "ui/desktop/app_style.h"
#include "ui/desktop/system_clipboard.h"
#include "ui/dialogs/clean_file_dialog.h"
#include "ui/dialogs/title_list_view.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

using namespace Qt::StringLiterals;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ui::applyApplicationStyle(app);
    const QString output = screenshotFolder(argc, argv, u"."_s);

    QTemporaryDir folder;
    QDir().mkpath(folder.filePath(u"data"_s));
    storage::Storage store;
    store.workspace.applicationFolder = folder.path();
    storage::ListingIndex index;
    const QDateTime at(QDate(2024, 1, 5), QTime(9, 30));
    const QStringList titles = {u"赤い傘 新品 未使用"_s,   u"ＥＰＳＯＮ インク 6色"_s,
                                u"文庫本 まとめて 20冊"_s, u"子供用 長靴 18cm"_s,
                                u"ﾃﾞｼﾞﾀﾙｶﾒﾗ 付属品あり"_s, u"陶器 湯呑み 5客"_s};
    for (int i = 0; i < titles.size(); ++i)
        index << storage::IndexEntry{
            i % 3 == 2 ? storage::EntryKind::Listed : storage::EntryKind::Finished, titles[i],
            at.addSecs(i).toString(u"yyyyMMddHHmmss"_s), at.addDays(i * 9)};
    storage::writeIndex(store, index);

    PrintingPrompter prompter;
    ui::SystemClipboard clipboard;
    ui::CleanFileDialog dialog(store, prompter, nullptr, clipboard);
    dialog.show();
    if (!QTest::qWaitForWindowExposed(&dialog))
        return 1;
    auto* finished = dialog.findChild<ui::TitleListView*>(u"List1_0"_s);
    finished->selectionModel()->select(finished->model()->index(0, 0), QItemSelectionModel::Select);
    finished->selectionModel()->select(finished->model()->index(2, 0), QItemSelectionModel::Select);
    QTest::qWait(200);
    dialog.grab().save(output + u"/clean_file_dialog_0.png"_s);
    dialog.findChild<QRadioButton*>(u"Option1_1"_s)->click();
    QTest::qWait(200);
    dialog.grab().save(output + u"/clean_file_dialog_1.png"_s);
    // Narrowed by a half-width search in the first mode, and narrowed to nothing.
    dialog.findChild<QRadioButton*>(u"Option1_0"_s)->click();
    dialog.findChild<QLineEdit*>(u"TitleSearchBox"_s)->setText(u"ｲ"_s);
    QTest::qWait(200);
    dialog.grab().save(output + u"/clean_file_dialog_narrowed.png"_s);
    dialog.findChild<QLineEdit*>(u"TitleSearchBox"_s)->setText(u"時計"_s);
    QTest::qWait(200);
    dialog.grab().save(output + u"/clean_file_dialog_none.png"_s);
    return 0;
}
