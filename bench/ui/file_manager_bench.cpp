// Filling the file manager's two lists from the index as it grows: storage's own benchmark
// measures reading the index; this adds the list boxes. Target: under a second at 10,000.
// Narrowing both lists as the seller types, key by key and painted: under 50 ms a key.
#include "platform/prompter.h"
#include "storage/listing_index.h"
#include "ui/desktop/system_clipboard.h"
#include "ui/dialogs/clean_file_dialog.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QListView>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;
using storage::EntryKind;

namespace {

class Prompter : public platform::Prompter {
public:
    void inform(const QString& text) override { qFatal("%s", qPrintable(text)); }
    bool ask(const QString&) override { return true; }
};

// An application folder whose index holds `count` listings, every third one listed.
struct Folder {
    explicit Folder(int count) {
        QDir().mkpath(dir.filePath(u"data"_s));
        store.workspace.applicationFolder = dir.path();
        storage::ListingIndex index;
        const QDateTime at(QDate(2024, 1, 5), QTime(9, 30));
        for (int i = 0; i < count; ++i)
            index << storage::IndexEntry{i % 3 == 2 ? EntryKind::Listed : EntryKind::Finished,
                                         u"赤い傘 新品 未使用 No.%1"_s.arg(i),
                                         at.addSecs(i).toString(u"yyyyMMddHHmmss"_s), at};
        storage::writeIndex(store, index);
    }

    QTemporaryDir dir;
    storage::Storage store;
};

// Opening the dialog, which reads the index and fills both lists, and showing it.
void BM_OpenFileManager(benchmark::State& state) {
    Folder folder(int(state.range(0)));
    Prompter prompter;
    ui::SystemClipboard clipboard;
    for (auto _ : state) {
        ui::CleanFileDialog dialog(folder.store, prompter, nullptr, clipboard);
        dialog.show();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(dialog.findChild<QListView*>(u"List1_0"_s)->model()->rowCount());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_OpenFileManager)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Complexity();

// Filling again in an open dialog, as after each move or deletion.
void BM_RefillFileLists(benchmark::State& state) {
    Folder folder(int(state.range(0)));
    Prompter prompter;
    ui::SystemClipboard clipboard;
    ui::CleanFileDialog dialog(folder.store, prompter, nullptr, clipboard);
    dialog.show();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        dialog.FillFileLists();
        QCoreApplication::processEvents();
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_RefillFileLists)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Complexity();

// Typing a search into the box of an open dialog one key at a time, then taking it back, so
// every key narrows (or widens) both lists and the shown one is painted again.
void BM_NarrowFileManagerPerKey(benchmark::State& state) {
    Folder folder(int(state.range(0)));
    Prompter prompter;
    ui::SystemClipboard clipboard;
    ui::CleanFileDialog dialog(folder.store, prompter, nullptr, clipboard);
    dialog.show();
    QCoreApplication::processEvents();
    auto* box = dialog.findChild<QLineEdit*>(u"TitleSearchBox"_s);
    const QString typed = u"ｱｶｲｶｻ"_s; // finds nothing: the titles hold 赤い傘
    const QString hits = u"No.99"_s;  // finds a few
    qsizetype keys = 0;
    for (auto _ : state) {
        const QString& query = (keys / typed.size()) % 2 ? hits : typed;
        box->setText(query.left(keys % query.size() + 1));
        dialog.repaint();
        ++keys;
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_NarrowFileManagerPerKey)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
