// The cost of the index operations as the index grows. UpdateIndex is set against the least
// any rewrite of the index costs, copying the file twice, measured in the same run.
#include "core/title_search.h"
#include "storage/file_manager.h"
#include "storage/listing_files.h"
#include "storage/listing_index.h"

#include <QDir>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <filesystem>
#include <vector>

using namespace Qt::StringLiterals;
using storage::EntryKind;
using Clock = std::chrono::steady_clock;

namespace {

class Prompter : public platform::Prompter {
public:
    void inform(const QString& text) override { qFatal("%s", qPrintable(text)); }
    bool ask(const QString&) override { return true; }
};

QString titleOf(int i) {
    return u"赤い傘 新品 未使用 No.%1"_s.arg(i);
}

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// An application folder whose index holds `count` finished listings.
struct Folder {
    explicit Folder(int count) {
        for (const QString& folder : {u"data/after"_s, u"userdata/after"_s})
            QDir().mkpath(dir.filePath(folder));
        store.workspace.applicationFolder = dir.path();
        storage::ListingIndex index;
        const QDateTime at(QDate(2024, 1, 5), QTime(9, 30));
        for (int i = 0; i < count; ++i)
            index << storage::IndexEntry{EntryKind::Finished, titleOf(i),
                                         at.addSecs(i).toString(u"yyyyMMddHHmmss"_s), at};
        storage::writeIndex(store, index);
    }

    QTemporaryDir dir;
    storage::Storage store;
};

// One finished save of a title in the middle of the index, which replaces its entry. Each
// iteration first copies the index twice, so both run under the same load of the disk
// cache; the reported time is the save's alone.
void BM_UpdateIndex(benchmark::State& state) {
    const int count = int(state.range(0));
    Folder folder(count);
    const std::filesystem::path index = folder.store.path(core::Workspace::IndexFile).toStdString();
    const QString title = titleOf(count / 2);
    const QDateTime now(QDate(2024, 2, 1), QTime(12, 0));
    double copySeconds = 0;
    double updateSeconds = 0;
    int turn = 0;
    for (auto _ : state) {
        auto start = Clock::now();
        for (const char* copy : {"copy1.dat", "copy2.dat"})
            std::filesystem::copy_file(index, index.parent_path() / copy,
                                       std::filesystem::copy_options::overwrite_existing);
        copySeconds += secondsSince(start);
        const QString stamp = ++turn % 2 ? u"20240201120000"_s : u"20240201120001"_s;
        start = Clock::now();
        benchmark::DoNotOptimize(
            storage::UpdateIndex(folder.store, EntryKind::Finished, title, stamp, now));
        const double seconds = secondsSince(start);
        updateSeconds += seconds;
        state.SetIterationTime(seconds);
    }
    state.counters["copy_twice_ms"] = copySeconds * 1000 / double(state.iterations());
    state.counters["vs_copy_twice"] = updateSeconds / copySeconds; // target: at most 4
    state.SetComplexityN(count);
}
BENCHMARK(BM_UpdateIndex)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Complexity(benchmark::oN);

void BM_FillFileLists(benchmark::State& state) {
    Folder folder(int(state.range(0)));
    Prompter prompter;
    for (auto _ : state)
        benchmark::DoNotOptimize(storage::FillFileLists(folder.store, prompter));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_FillFileLists)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Complexity(benchmark::oN);

// 100 listings spread over the index go to the listed folders and, in the next iteration,
// back again.
void BM_Move100(benchmark::State& state) {
    const int count = int(state.range(0));
    Folder folder(count);
    Prompter prompter;
    QStringList selected;
    const storage::ListingIndex index = storage::readIndex(folder.store);
    for (int i = 0; i < count; i += count / 100) {
        const storage::IndexEntry& entry = index.at(i);
        selected << entry.title;
        const storage::ListingPaths paths =
            storage::listingPaths(folder.store, EntryKind::Finished, entry.fileName, entry.title);
        for (const QString& path : {paths.detail, paths.description, paths.page})
            storage::systemFiles().write(path, "x");
    }
    int mode = 0;
    for (auto _ : state) {
        if (!storage::MoveListings(folder.store, mode, selected, prompter))
            state.SkipWithError("move failed");
        mode = 1 - mode;
    }
    state.SetComplexityN(count);
}
BENCHMARK(BM_Move100)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Complexity(benchmark::oN);

// Narrowing the titles as the seller types a search, key by key; each key must answer within
// 50 ms at 10,000 listings. The titles are folded once per list, outside the loop.
void BM_NarrowTitlesPerKey(benchmark::State& state) {
    QStringList titles;
    for (int i = 0; i < state.range(0); ++i)
        titles << (i % 2 ? titleOf(i) : u"ｶﾞﾝﾀﾞﾑ ﾌﾟﾗﾓﾃﾞﾙ No.%1"_s.arg(i));
    const QStringList folded = core::foldTitles(titles);
    const QString typed = u"がんだむ ぷらもでる No.99"_s;
    qsizetype keys = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(core::narrowTitles(folded, typed.left(keys)));
        keys = keys % typed.size() + 1;
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_NarrowTitlesPerKey)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

// Folding a whole list, done again whenever the lists are read from the index.
void BM_FoldTitles(benchmark::State& state) {
    QStringList titles;
    for (int i = 0; i < state.range(0); ++i)
        titles << titleOf(i);
    for (auto _ : state)
        benchmark::DoNotOptimize(core::foldTitles(titles));
}
BENCHMARK(BM_FoldTitles)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace
