#include "app/prepare_workspace.h"
#include "expected_defaults.h"
#include "fixed_clock.h"
#include "page/built_in_templates.h"
#include "platform/cp932.h"
#include "temp_app_folder.h"

#include <QDirIterator>
#include <QRegularExpression>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

namespace fs = std::filesystem;

const QStringList kFolders = {u"ini"_s,      u"data"_s,           u"data/after"_s,
                              u"userdata"_s, u"userdata/after"_s, u"template"_s,
                              u"text"_s};

// The expected bytes of every default text file of a fresh workspace (the link file and the
// profile files are checked on their own).
std::map<QString, QByteArray> expectedTextFiles(const QString& indexLine) {
    return {
        {u"template/temp1.tmpl"_s, cp932Lines(expected::template1())},
        {u"template/temp2.tmpl"_s, cp932Lines(expected::template2())},
        {u"template/temp3.tmpl"_s, cp932Lines(expected::template3())},
        // Its content is judged by the pages made from it (check and web engine tests).
        {u"template/temp4.tmpl"_s, cp932Lines(page::builtInTemplate4Lines())},
        {u"text/配送.txt"_s, cp932Lines(expected::shippingRates())},
        {u"text/都道府県.txt"_s, cp932Lines(expected::regions())},
        {u"text/注意事項.txt"_s, cp932Lines({u"●ノークレーム・ノーリターンでお願いします。"_s})},
        {u"text/支払い説明.txt"_s, cp932Lines({u"落札価格 + 送料 がお支払い金額となります。"_s})},
        {u"text/発送説明.txt"_s,
         cp932Lines({u"配送時の事故等については当方は一切責任を負えません。"_s})},
        {u"text/定型文.txt"_s, cp932Lines({u"定型文を書く"_s})},
        {u"data/tm1.dat"_s, cp932Lines({indexLine})},
    };
}

// Every name below the folder, folders included, relative to it.
QStringList everythingIn(const QString& folder) {
    QStringList names;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        names << QDir(folder).relativeFilePath(it.next());
    names.sort();
    return names;
}

struct Entry {
    QByteArray bytes;
    fs::file_time_type modified;
    bool operator==(const Entry&) const = default;
};

fs::path nativePath(const QString& path) {
    return fs::path(path.toStdU16String());
}

// Moves every modification time into the past: a rewrite with identical bytes then still
// shows up as a new time.
void ageEverything(const QString& folder) {
    const auto past = fs::file_time_type::clock::now() - std::chrono::hours(24 * 400);
    for (const QString& name : everythingIn(folder))
        fs::last_write_time(nativePath(folder + u'/' + name), past);
}

std::map<QString, Entry> snapshotOf(const QString& folder) {
    std::map<QString, Entry> snapshot;
    for (const QString& name : everythingIn(folder)) {
        const fs::path path = nativePath(folder + u'/' + name);
        QByteArray bytes;
        if (fs::is_regular_file(path)) {
            QFile file(folder + u'/' + name);
            EXPECT_TRUE(file.open(QIODevice::ReadOnly));
            bytes = file.readAll();
        }
        snapshot[name] = {bytes, fs::last_write_time(path)};
    }
    return snapshot;
}

class PrepareWorkspaceTest : public ::testing::Test {
protected:
    std::optional<platform::Error> prepare() {
        return app::PrepareWorkspace(m_folder.path(), m_clock);
    }
    void expectPrepared() {
        const auto failure = prepare();
        ASSERT_FALSE(failure.has_value()) << failure->report(u"CH"_s).toStdString();
    }

    TempAppFolder m_folder;
    FixedClock m_clock;
};

TEST_F(PrepareWorkspaceTest, EmptyFolderGetsExactlyTheDefaultWorkspace) {
    m_clock.time = QDateTime(QDate(2024, 1, 5), QTime(9, 30, 0));
    expectPrepared();

    const auto files = expectedTextFiles(u"\"0\",\"\",\"\",#2024-01-05 09:30:00#"_s);
    QStringList expectedNames = kFolders;
    expectedNames << u"ini/auction.ini"_s << u"ini/setting.ini"_s << u"ini/basic.ini"_s
                  << u"text/リンク情報.txt"_s;
    for (const auto& [name, bytes] : files)
        expectedNames << name;
    expectedNames.sort();
    EXPECT_EQ(everythingIn(m_folder.path()), expectedNames);

    for (const auto& [name, bytes] : files)
        EXPECT_EQ(m_folder.readBytes(name), bytes) << name.toStdString();
    for (const QString& folder : kFolders)
        EXPECT_TRUE(QFileInfo(m_folder.path(folder)).isDir()) << folder.toStdString();
}

struct StampCase {
    QDateTime now;
    QByteArray line;
};

void PrintTo(const StampCase& c, std::ostream* os) {
    *os << c.line.toStdString();
}

class IndexPlaceholder : public PrepareWorkspaceTest,
                         public ::testing::WithParamInterface<StampCase> {};

// A time of day of exactly 00:00:00 is left out of a record's date-time.
TEST_P(IndexPlaceholder, CarriesTheClocksTime) {
    m_clock.time = GetParam().now;
    expectPrepared();
    EXPECT_EQ(m_folder.readBytes(u"data/tm1.dat"_s), GetParam().line + "\r\n");
}

INSTANTIATE_TEST_SUITE_P(Times, IndexPlaceholder,
                         ::testing::Values(StampCase{QDateTime(QDate(2024, 3, 1), QTime(0, 0, 0)),
                                                     "\"0\",\"\",\"\",#2024-03-01#"},
                                           StampCase{QDateTime(QDate(2024, 12, 31), QTime(0, 0, 1)),
                                                     "\"0\",\"\",\"\",#2024-12-31 00:00:01#"},
                                           StampCase{QDateTime(QDate(2025, 7, 9), QTime(23, 5, 0)),
                                                     "\"0\",\"\",\"\",#2025-07-09 23:05:00#"}));

TEST_F(PrepareWorkspaceTest, LinkLinesHaveHttpsAddressesWithTheirPathsAndNoComma) {
    expectPrepared();
    const QList<QByteArray> lines = m_folder.readBytes(u"text/リンク情報.txt"_s).split('\n');
    ASSERT_EQ(lines.size(), 6); // five lines, each ended by CR LF
    EXPECT_TRUE(lines.last().isEmpty());

    const std::map<QString, QString> paths = {
        {u"ADDR_YUPACK"_s, u"/cgi-simulator/youpack.php"_s},
        {u"ADDR_TAKKYUBIN"_s, u"/estimate/kanto.html"_s},
        {u"ADDR_BOOTH"_s, u"/jp/booth/%yahooid"_s},
        {u"ADDR_BUTTON_IMAGE"_s, u"/button.gif"_s},
        {u"ADDR_BANNER_IMAGE"_s, u"/banner.gif"_s},
        {u"ADDR_HACOBOON"_s, u"/hacoboon/hb26"_s},
    };
    const QStringList templates = expected::linkLinesWithTokens();
    for (int i = 0; i < templates.size(); ++i) {
        QString pattern = QRegularExpression::escape(templates[i]);
        for (const auto& [token, path] : paths)
            pattern.replace(token, u"https://[a-z0-9.-]+"_s + QRegularExpression::escape(path));
        const QByteArray line = lines[i];
        ASSERT_TRUE(line.endsWith('\r')) << i;
        const QString text = platform::fromCp932(line.chopped(1));
        EXPECT_TRUE(QRegularExpression(u"^"_s + pattern + u"$"_s).match(text).hasMatch())
            << text.toStdString();
        EXPECT_FALSE(text.contains(u',')) << text.toStdString();
    }
}

TEST_F(PrepareWorkspaceTest, SecondRunChangesNothing) {
    expectPrepared();
    ageEverything(m_folder.path());
    const auto before = snapshotOf(m_folder.path());
    m_clock.time = m_clock.time.addDays(1);
    expectPrepared();
    EXPECT_TRUE(snapshotOf(m_folder.path()) == before);
}

TEST_F(PrepareWorkspaceTest, EmptiedTemplateFolderIsNotRefilled) {
    expectPrepared();
    for (const QString& name : {u"temp1.tmpl"_s, u"temp2.tmpl"_s, u"temp3.tmpl"_s, u"temp4.tmpl"_s})
        ASSERT_TRUE(QFile::remove(m_folder.path(u"template/"_s + name)));
    expectPrepared();
    EXPECT_TRUE(everythingIn(m_folder.path(u"template"_s)).isEmpty());
}

TEST_F(PrepareWorkspaceTest, MissingTemplateFolderComesBackWithTheFourTemplates) {
    expectPrepared();
    ASSERT_TRUE(QDir(m_folder.path(u"template"_s)).removeRecursively());
    expectPrepared();
    EXPECT_EQ(everythingIn(m_folder.path(u"template"_s)),
              (QStringList{u"temp1.tmpl"_s, u"temp2.tmpl"_s, u"temp3.tmpl"_s, u"temp4.tmpl"_s}));
    EXPECT_EQ(m_folder.readBytes(u"template/temp2.tmpl"_s), cp932Lines(expected::template2()));
}

// A file of the seller's, whatever it holds, must survive start-up untouched.
class ExistingFileIsKept : public PrepareWorkspaceTest,
                           public ::testing::WithParamInterface<QString> {};

TEST_P(ExistingFileIsKept, WhateverItHolds) {
    const QString name = GetParam();
    const QByteArray own = cp932Lines({u"自分で書いた行"_s, u"北海道"_s});
    m_folder.writeBytes(name, own);
    expectPrepared();
    EXPECT_EQ(m_folder.readBytes(name), own);
}

INSTANTIATE_TEST_SUITE_P(FixedFiles, ExistingFileIsKept,
                         ::testing::Values(u"ini/auction.ini"_s, u"ini/setting.ini"_s,
                                           u"ini/basic.ini"_s, u"text/配送.txt"_s,
                                           u"text/都道府県.txt"_s, u"text/注意事項.txt"_s,
                                           u"text/支払い説明.txt"_s, u"text/発送説明.txt"_s,
                                           u"text/定型文.txt"_s, u"text/リンク情報.txt"_s,
                                           u"data/tm1.dat"_s, u"template/temp1.tmpl"_s),
                         [](const auto& info) { return "file" + std::to_string(info.index); });

// Something other than a folder where a folder belongs: it counts as present, and the first
// step that needs to write below it fails and ends the preparation there.
struct BlockedCase {
    const char* label;
    QString plainFile;
    std::optional<int> errorNumber;
    QStringList present; // made before the failing step
    QStringList absent;  // would only be made after it
};

void PrintTo(const BlockedCase& c, std::ostream* os) {
    *os << c.label;
}

class BlockedFolder : public PrepareWorkspaceTest,
                      public ::testing::WithParamInterface<BlockedCase> {};

TEST_P(BlockedFolder, StopsAtTheFirstStepThatCannotWrite) {
    const BlockedCase& c = GetParam();
    m_folder.writeBytes(c.plainFile, "not a folder");

    const auto failure = prepare();

    ASSERT_EQ(failure.has_value(), c.errorNumber.has_value());
    if (failure) {
        EXPECT_EQ(failure->number(), *c.errorNumber) << failure->report(u"CH"_s).toStdString();
    }
    EXPECT_EQ(m_folder.readBytes(c.plainFile), QByteArray("not a folder"));
    for (const QString& name : c.present)
        EXPECT_TRUE(QFileInfo::exists(m_folder.path(name))) << name.toStdString();
    for (const QString& name : c.absent)
        EXPECT_FALSE(QFileInfo::exists(m_folder.path(name))) << name.toStdString();
}

constexpr int kPathNotFound = platform::ErrorNumber::PathNotFound;

INSTANTIATE_TEST_SUITE_P(
    PlainFiles, BlockedFolder,
    ::testing::Values(
        BlockedCase{"ini", u"ini"_s, kPathNotFound, {u"template/temp3.tmpl"_s}, {u"text"_s}},
        BlockedCase{"data", u"data"_s, kPathNotFound, {}, {u"userdata"_s, u"template"_s}},
        BlockedCase{"userdata",
                    u"userdata"_s,
                    kPathNotFound,
                    {u"data/after"_s},
                    {u"template"_s, u"ini/auction.ini"_s}},
        BlockedCase{"text", u"text"_s, kPathNotFound, {u"ini/basic.ini"_s}, {u"data/tm1.dat"_s}},
        // Present as a file, so nothing is written below it and the rest goes on.
        BlockedCase{"template", u"template"_s, std::nullopt, {u"data/tm1.dat"_s}, {}},
        BlockedCase{"data/after", u"data/after"_s, std::nullopt, {u"data/tm1.dat"_s}, {}}));

} // namespace
