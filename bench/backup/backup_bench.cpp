// Backup and restore of workspaces of 1,000 and 10,000 listings (three files each, plus the
// index and the fixed files). Each benchmark also runs once in a child process to report how
// far its resident memory grew: files are streamed one block at a time, so that growth must
// not follow the number of listings beyond the archive's own directory of names.
// The samples are made in TMPDIR (/tmp by default), which must be on a disk for the figures to
// mean what a seller sees.
// A restore is timed once, over a workspace written afresh and before anything of the run is
// removed: ext4 without a journal passes over recently freed inodes when it creates files (for
// up to five minutes while their part of the inode table is not yet written), so a restore
// that follows the removal of ten thousand listings is several times slower, and a seller's
// restore does not follow one. Take the figures with no large removal on the disk in the five
// minutes before.
#include "backup/backup.h"
#include "backup/replaced_removal.h"
#include "peak_memory.h"
#include "sample_workspace.h"

#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <map>
#include <unistd.h>
#include <memory>

namespace {

using namespace Qt::Literals::StringLiterals;

struct FixedClock : platform::Clock {
    QDateTime now() const override { return QDateTime(QDate(2024, 1, 5), QTime(9, 30)); }
};

// A workspace of `listings` listings and its backup, and the seller's current workspace
// holding the same listings, made once per size.
struct Sample {
    QTemporaryDir dir;
    QString workspace() const { return dir.path() + u"/workspace"_s; }
    QString archive() const { return dir.path() + u"/backup.zip"_s; }
    QString restored() const { return dir.path() + u"/restored"_s; }
};

const Sample& sampleOf(int listings) {
    static std::map<int, std::unique_ptr<Sample>> made;
    std::unique_ptr<Sample>& sample = made[listings];
    if (!sample) {
        sample = std::make_unique<Sample>();
        writeSampleWorkspace(sample->workspace(), listings);
        backup::createBackup(sample->workspace(), sample->archive(), FixedClock());
        writeSampleWorkspace(sample->restored(), listings);
        // On the disk, as a seller's workspace is: the restore's own flush is not charged
        // with writing the samples.
        ::sync();
    }
    return *sample;
}

void backUp(const Sample& sample) {
    backup::createBackup(sample.workspace(), sample.dir.path() + u"/timed.zip"_s, FixedClock());
}

// Over a workspace that already holds the same listings, as when a seller goes back to a
// backup: unpack, back up the current workspace, swap. The window checks the archive before
// it asks the seller (BM_CheckRestoreTarget); the restore is what follows the answer.
void restore(const Sample& sample, const backup::CheckedArchive& checked) {
    backup::restoreBackup(checked, sample.restored(), FixedClock());
}

backup::CheckedArchive checked(const Sample& sample) {
    return backup::checkRestoreTarget(sample.archive(), sample.restored());
}

// The automatic backups are removed between runs, so that every run does the same work.
void removeAutomaticBackups(const Sample& sample) {
    QDir(sample.restored() + u"/backup"_s).removeRecursively();
}

void BM_Backup(benchmark::State& state) {
    const Sample& sample = sampleOf(int(state.range(0)));
    for (auto _ : state)
        backUp(sample);
    state.counters["peak_growth_kB"] = double(peakGrowthKb([&] { backUp(sample); }));
}

void BM_CheckRestoreTarget(benchmark::State& state) {
    const Sample& sample = sampleOf(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(checked(sample));
}

void BM_Restore(benchmark::State& state) {
    const Sample& sample = sampleOf(int(state.range(0)));
    const backup::CheckedArchive archive = checked(sample);
    for (auto _ : state)
        restore(sample, archive);
    // The replaced workspace is removed in the background after the restore returns.
    removeAutomaticBackups(sample);
    backup::waitForReplacedRemovals();
    state.counters["peak_growth_kB"] = double(peakGrowthKb([&] { restore(sample, archive); }));
}

BENCHMARK(BM_Backup)->Arg(1'000)->Arg(10'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CheckRestoreTarget)->Arg(10'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Restore)->Arg(10'000)->Arg(1'000)->Unit(benchmark::kMillisecond)->Iterations(1);

// Until the replaced workspace is gone too: what a restore cost before the removal moved to
// the background.
void BM_RestoreAndRemoval(benchmark::State& state) {
    const Sample& sample = sampleOf(int(state.range(0)));
    const backup::CheckedArchive archive = checked(sample);
    restore(sample, archive);
    for (auto _ : state) {
        removeAutomaticBackups(sample);
        restore(sample, archive);
        backup::waitForReplacedRemovals();
    }
}
BENCHMARK(BM_RestoreAndRemoval)->Arg(10'000)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
