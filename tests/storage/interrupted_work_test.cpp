#include "storage/file_manager.h"
#include "storage/interrupted_work.h"
#include "storage/listing_actions.h"
#include "storage/listing_files.h"
#include "storage_fixture.h"

#include <QDir>
#include <QDirIterator>
#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using storage::EntryKind;

namespace {

using Tree = QMap<QString, QByteArray>; // relative path -> bytes, files only

Tree treeOf(const QString& folder) {
    Tree tree;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
        tree.insert(QDir(folder).relativeFilePath(file.fileName()), file.readAll());
    }
    return tree;
}

void copyTree(const Tree& tree, const TempAppFolder& to) {
    for (auto file = tree.begin(); file != tree.end(); ++file)
        to.writeBytes(file.key(), file.value());
    for (const QString& folder : {u"data/after"_s, u"userdata/after"_s})
        QDir().mkpath(to.path(folder));
}

// The real file system, except that the program dies at operation number `dieAt`: before it
// starts, or, for a write, halfway through it. A file size limit stops the write as a crash
// would, leaving the writer's own temporary file with half of the bytes in it.
struct DyingFiles : storage::Files {
    int dieAt = 0;
    bool halfway = false;
    int count = 0;

    void step() {
        if (++count == dieAt)
            ::raise(SIGKILL);
    }
    void write(const QString& p, QByteArrayView b) override {
        if (++count == dieAt && halfway) {
            const rlimit limit{rlim_t(b.size() / 2), RLIM_INFINITY};
            ::setrlimit(RLIMIT_FSIZE, &limit); // SIGXFSZ at the first byte past it
            Files::write(p, b);
            ::raise(SIGKILL); // nothing to cut: an empty file
        }
        if (count == dieAt)
            ::raise(SIGKILL);
        Files::write(p, b);
    }
    // clang-format off
    QByteArray read(const QString& p) override { step(); return Files::read(p); }
    void copy(const QString& f, const QString& t) override { step(); Files::copy(f, t); }
    void move(const QString& f, const QString& t) override { step(); Files::move(f, t); }
    void remove(const QString& p) override { step(); Files::remove(p); }
    platform::Trashed moveToTrash(const QString& p, const QString& f) override { step(); return Files::moveToTrash(p, f); }
    // clang-format on
};

enum class Operation { Finish, Move, Delete, DeleteWithoutTrash, SaveDraft };

void run(Operation operation, const storage::Storage& storage, const platform::Clock& clock) {
    ScriptedPrompter prompter;
    switch (operation) {
    case Operation::Finish: // a second save of "b": its earlier files go
        storage::FinishListing(storage, listingRecord(u"b"_s, u"新しい説明"_s), clock, prompter);
        break;
    case Operation::Move:
        storage::MoveListings(storage, 0, {u"a"_s, u"b"_s}, prompter);
        break;
    case Operation::Delete:
    case Operation::DeleteWithoutTrash: // the trash is made unusable beforehand
        storage::DeleteListings(storage, 0, {u"a"_s, u"b"_s}, clock, prompter);
        break;
    case Operation::SaveDraft:
        storage::SaveDraft(storage, listingRecord(u"次の下書き"_s, u"次"_s), clock, prompter);
        break;
    }
}

// More than the longest operation takes; the last step of the range must see it complete.
constexpr int kSteps = 20;

struct Stop {
    Operation operation;
    int step;
    bool halfway;
};

class InterruptedWork : public StorageTest, public ::testing::WithParamInterface<Stop> {
protected:
    void SetUp() override {
        addListing(EntryKind::Finished, u"a"_s, u"s1"_s);
        addListing(EntryKind::Listed, u"d"_s, u"s2"_s);
        addListing(EntryKind::Finished, u"b"_s, u"s3"_s);
        addListing(EntryKind::Finished, u"c"_s, u"s4"_s);
        addListing(EntryKind::Draft, u"下書き"_s, u"下書き.dat"_s, false);
        m_app.writeBytes(u"data/下書き.dat"_s, "draft");
        m_clock.time = m_clock.time.addDays(1);
        if (GetParam().operation == Operation::DeleteWithoutTrash)
            m_trash.makeUnusable();
    }

    // Runs the operation in a child that dies at the step; true when it died.
    bool runAndDie() {
        const pid_t child = ::fork();
        if (child == 0) {
            const rlimit noCore{0, 0};
            ::setrlimit(RLIMIT_CORE, &noCore);
            DyingFiles files;
            files.dieAt = GetParam().step;
            files.halfway = GetParam().halfway;
            storage::Storage storage{m_storage.workspace, &files};
            run(GetParam().operation, storage, m_clock);
            ::_exit(0); // no destructors: the parent owns the folder
        }
        int status = 0;
        EXPECT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFSIGNALED(status) || (WIFEXITED(status) && WEXITSTATUS(status) == 0));
        return WIFSIGNALED(status);
    }
};

void PrintTo(const Stop& s, std::ostream* os) {
    *os << int(s.operation) << '/' << s.step << (s.halfway ? "/halfway" : "");
}

// Whenever the program dies, the next start leaves a workspace where the index reads, every
// entry's files are where its kind keeps them, no file of the seller's is lost and no
// temporary file stays: the files are those of the operation not begun or of it finished,
// the finish's new files or old ones at most left over beside.
TEST_P(InterruptedWork, NextStartLeavesIndexAndFilesInStep) {
    const Tree before = treeOf(m_app.path());
    TempAppFolder completed;
    copyTree(before, completed);
    run(GetParam().operation, {{completed.path()}, &storage::systemFiles()}, m_clock);
    const Tree after = treeOf(completed.path());

    const bool died = runAndDie();
    EXPECT_TRUE(died || GetParam().step > 1) << "the first step never came";
    EXPECT_FALSE(died && GetParam().step == kSteps) << "the range misses a step";
    const QStringList notes = storage::RepairInterruptedWork(m_storage);
    const Tree repaired = treeOf(m_app.path());

    const storage::ListingIndex entries = index();
    const QByteArray indexBytes = repaired.value(u"data/tm1.dat"_s);
    const Tree& state = indexBytes == before.value(u"data/tm1.dat"_s) ? before : after;
    EXPECT_EQ(indexBytes, state.value(u"data/tm1.dat"_s)) << "an index of neither state";
    for (auto file = state.begin(); file != state.end(); ++file)
        EXPECT_TRUE(repaired.contains(file.key())) << "lost " << file.key().toStdString();
    for (auto file = repaired.begin(); file != repaired.end(); ++file) {
        if (file.key() == u"data/tm2.dat"_s) // a whole index, kept between runs
            continue;
        EXPECT_TRUE(file.value() == before.value(file.key(), "-") ||
                    file.value() == after.value(file.key(), "-"))
            << "stray or changed " << file.key().toStdString();
    }
    for (const storage::IndexEntry& e : entries) {
        if (e.kind == EntryKind::Draft) {
            EXPECT_TRUE(exists(u"data/下書き.dat"_s));
        }
        if (e.kind != EntryKind::Finished && e.kind != EntryKind::Listed)
            continue;
        const storage::ListingPaths paths =
            storage::listingPaths(m_storage, e.kind, e.fileName, e.title);
        for (const QString& path : {paths.detail, paths.description, paths.page})
            EXPECT_TRUE(QFile::exists(path)) << path.toStdString();
    }
    // Only an operation that leaves a journal is worth a word, and only when it was cut short.
    const bool journaled = GetParam().operation == Operation::Move ||
                           GetParam().operation == Operation::Delete ||
                           GetParam().operation == Operation::DeleteWithoutTrash;
    if (!journaled || !died) {
        EXPECT_TRUE(notes.isEmpty()) << notes.join(u' ').toStdString();
    }
    EXPECT_TRUE(storage::RepairInterruptedWork(m_storage).isEmpty()) << "repaired twice";
}

std::vector<Stop> allStops() {
    std::vector<Stop> stops;
    for (Operation op : {Operation::Finish, Operation::Move, Operation::Delete,
                         Operation::DeleteWithoutTrash, Operation::SaveDraft})
        for (int step = 1; step <= kSteps; ++step)
            for (bool halfway : {false, true})
                stops.push_back({op, step, halfway});
    return stops;
}

std::string nameOf(const ::testing::TestParamInfo<Stop>& info) {
    static const char* const operations[] = {"Finish", "Move", "Delete", "DeleteWithoutTrash",
                                             "Draft"};
    return std::string(operations[int(info.param.operation)]) + "_" +
           std::to_string(info.param.step) + (info.param.halfway ? "_halfway" : "");
}

INSTANTIATE_TEST_SUITE_P(EachStep, InterruptedWork, ::testing::ValuesIn(allStops()), nameOf);

// Only the names a cut-short write leaves: a target with the program's extension and six
// random characters.
TEST(StrayTemporary, IsOnlyAWriteLeftBehind) {
    EXPECT_TRUE(storage::isStrayTemporary(u"tm1.dat.tmp-aZ09xQ"));
    EXPECT_TRUE(storage::isStrayTemporary(u"tm1.dat.aZ09xQ"));
    EXPECT_TRUE(storage::isStrayTemporary(u"ａ.html.Q1w2E3"));
    EXPECT_FALSE(storage::isStrayTemporary(u"photo.jpg.Q1w2E3"));
    EXPECT_FALSE(storage::isStrayTemporary(u"tm1.dat.aZ09x"));
    EXPECT_FALSE(storage::isStrayTemporary(u"tm1.dat"));
}

// A start clears what cut-short writes left in every folder the program writes, and only that.
TEST_F(StorageTest, StartUpRemovesLeftTemporariesFromEveryWrittenFolder) {
    const QStringList folders{u"ini"_s,        u"text"_s,     u"template"_s,      u"data"_s,
                              u"data/after"_s, u"userdata"_s, u"userdata/after"_s};
    for (const QString& folder : folders) {
        m_app.writeBytes(folder + u"/a.dat.tmp-aZ09xQ"_s, "half");
        m_app.writeBytes(folder + u"/photo.jpg"_s, "keep");
    }
    m_app.writeBytes(u"data/mine/a.dat.tmp-aZ09xQ"_s, "the seller's own");
    EXPECT_TRUE(storage::RepairInterruptedWork(m_storage).isEmpty());
    for (const QString& folder : folders) {
        EXPECT_FALSE(exists(folder + u"/a.dat.tmp-aZ09xQ"_s)) << folder.toStdString();
        EXPECT_TRUE(exists(folder + u"/photo.jpg"_s)) << folder.toStdString();
    }
    EXPECT_TRUE(exists(u"data/mine/a.dat.tmp-aZ09xQ"_s));
}

} // namespace
