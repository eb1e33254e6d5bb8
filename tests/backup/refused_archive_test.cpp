#include "backup/backup.h"
#include "fixed_clock.h"
#include "platform/error.h"
#include "sample_workspace.h"
#include "temp_app_folder.h"

#include <QDir>
#include <QtEndian>
#include <archive.h>
#include <archive_entry.h>
#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;

// A ZIP of {name, content} files; a content of "->target" makes a symbolic link.
QByteArray zipOf(const QList<std::pair<QByteArray, QByteArray>>& files) {
    QByteArray bytes(1 << 16, '\0');
    size_t used = 0;
    archive* a = archive_write_new();
    archive_write_set_format_zip(a);
    archive_write_open_memory(a, bytes.data(), size_t(bytes.size()), &used);
    archive_entry* e = archive_entry_new();
    for (const auto& [name, content] : files) {
        archive_entry_clear(e);
        archive_entry_set_pathname(e, name.constData());
        archive_entry_set_perm(e, 0644);
        const bool link = content.startsWith("->");
        archive_entry_set_filetype(e, link ? AE_IFLNK : AE_IFREG);
        if (link)
            archive_entry_set_symlink(e, content.mid(2).constData());
        archive_entry_set_size(e, link ? 0 : content.size());
        archive_write_header(a, e);
        archive_write_data(a, content.constData(), link ? 0 : size_t(content.size()));
    }
    archive_entry_free(e);
    archive_write_free(a);
    return bytes.left(qsizetype(used));
}

std::pair<QByteArray, QByteArray> marker(int format = 1) {
    return {backup::kMarkerName, "TomoeA backup\r\nformat=" + QByteArray::number(format) + "\r\n"};
}

// libarchive writes no device file into a ZIP: set the type in the upper half of the
// external attributes of the last entry in the central directory.
QByteArray asCharacterDevice(QByteArray zip, const QByteArray& name) {
    qToLittleEndian<quint16>(020644, zip.data() + zip.lastIndexOf(name) - 46 + 40);
    return zip;
}

// Sets the unpacked size that both headers of entry `name` state.
QByteArray withStatedSize(QByteArray zip, const QByteArray& name, quint32 size) {
    for (qsizetype at = 0; (at = zip.indexOf(name, at)) >= 0; at += name.size()) {
        if (at >= 46 && zip.mid(at - 46, 4) == "PK\x01\x02")
            qToLittleEndian<quint32>(size, zip.data() + at - 46 + 24);
        else if (at >= 30 && zip.mid(at - 30, 4) == "PK\x03\x04")
            qToLittleEndian<quint32>(size, zip.data() + at - 30 + 22);
    }
    return zip;
}

QByteArray flippedInsideOf(QByteArray zip, const QByteArray& name) {
    zip[zip.indexOf(name) + 100] ^= 0x55; // well inside its data, which does not compress
    return zip;
}

// The files this process has open.
qsizetype openFileCount() {
    return QDir(u"/proc/self/fd"_s).entryList(QDir::AllEntries | QDir::System).size();
}

struct Case {
    const char* name;
    // From a good backup of the workspace and a path outside it that must stay untouched.
    QByteArray (*archive)(const QByteArray& good, const QByteArray& outside);
    QString reason; // the part of the message that says why
};
void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

class RefusedArchive : public ::testing::TestWithParam<Case> {};

TEST_P(RefusedArchive, IsRefusedWithItsReasonAndNothingChanges) {
    TempAppFolder app, out;
    FixedClock clock;
    writeSampleWorkspace(app.path(), 3);
    ASSERT_EQ(backup::createBackup(app.path(), out.path(u"good.zip"_s), clock),
              backup::Outcome::Done);
    const QString outside = out.path(u"evil"_s);
    const QString bad = out.path(u"bad.zip"_s);
    out.writeBytes(u"bad.zip"_s,
                   GetParam().archive(out.readBytes(u"good.zip"_s), QFile::encodeName(outside)));
    const auto entries = [&] {
        return QDir(app.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    };
    const QStringList entriesBefore = entries();
    const QMap<QString, QByteArray> before = workspaceTree(app.path());

    const auto expectRefused = [&](const std::function<void()>& attempt) {
        try {
            attempt();
            ADD_FAILURE() << "not refused";
        } catch (const platform::Error& error) {
            EXPECT_EQ(error.number(), backup::kRefusedArchive);
            EXPECT_TRUE(error.description().contains(GetParam().reason))
                << error.description().toStdString();
        }
    };
    // A refusal closes the archive again: one refused when its reader was being opened
    // once stayed open (with the reader's buffers) until the program ended.
    const qsizetype openBefore = openFileCount();
    expectRefused([&] { backup::inspectBackup(bad); });
    expectRefused([&] { backup::restoreBackup(bad, app.path(), clock); });
    EXPECT_EQ(openFileCount(), openBefore);
    EXPECT_EQ(workspaceTree(app.path()), before);
    EXPECT_EQ(entries(), entriesBefore); // nothing unpacked left, no automatic backup
    EXPECT_FALSE(QFile::exists(outside));
}

using Good = const QByteArray&;
using Outside = const QByteArray&;

INSTANTIATE_TEST_SUITE_P(
    Archives, RefusedArchive,
    ::testing::Values(
        Case{"damaged", [](Good good, Outside) { return flippedInsideOf(good, "ini/psbin.dat"); },
             u"壊れて"_s},
        Case{"cut short", [](Good good, Outside) { return good.left(good.size() * 2 / 3); },
             u"壊れて"_s},
        Case{"parent folder",
             [](Good, Outside) {
                 return zipOf({marker(), {"../../evil", "x"}});
             },
             u"../../evil"_s},
        Case{"absolute path",
             [](Good, Outside outside) {
                 return zipOf({marker(), {outside, "x"}});
             },
             u"/evil"_s},
        // Each rule alone: below a workspace folder, so the folder rule passes it.
        Case{"parent folder below a workspace folder",
             [](Good, Outside) {
                 return zipOf({marker(), {"data/../../evil", "x"}});
             },
             u"外を指す項目があります: data/../../evil"_s},
        Case{"symbolic link",
             [](Good, Outside outside) {
                 return zipOf({marker(), {"data/a", "->" + outside}});
             },
             u"リンクが含まれています: data/a"_s},
        Case{"device file",
             [](Good, Outside) {
                 return asCharacterDevice(zipOf({marker(), {"data/dev", "x"}}), "data/dev");
             },
             u"data/dev"_s},
        Case{"beside the workspace folders",
             [](Good, Outside) {
                 return zipOf({marker(), {"autorun.sh", "x"}});
             },
             u"autorun.sh"_s},
        Case{"a file where a workspace folder belongs",
             [](Good, Outside) {
                 return zipOf({marker(), {"data", "x"}});
             },
             u"作業フォルダー以外の項目があります: data"_s},
        Case{"another program's",
             [](Good, Outside) {
                 return zipOf({{"data/tm1.dat", "x"}, {"ini/a.ini", "x"}});
             },
             u"ではありません"_s},
        Case{"not an archive", [](Good, Outside) { return QByteArray("text\r\n"); },
             u"ではありません"_s},
        Case{"format zero", [](Good, Outside) { return zipOf({marker(0)}); }, u"ではありません"_s},
        // The marker is read into a fixed buffer: one that fills it is not ours.
        Case{"a marker of the buffer's size",
             [](Good, Outside) {
                 QByteArray text = marker().second;
                 text += QByteArray(4096 - text.size() - 2, 'x') + "\r\n";
                 return zipOf({{backup::kMarkerName, text}});
             },
             u"ではありません"_s},
        Case{"from a newer version", [](Good, Outside) { return zipOf({marker(2)}); },
             u"新しい版"_s},
        // The reader's own check comes only at the entry's end, and compares the low 32 bits
        // of the size: a header 4 GB short would pass it.
        Case{"a file larger than its header says",
             [](Good, Outside) {
                 return withStatedSize(zipOf({marker(), {"data/zeros", QByteArray(2000000, 0)}}),
                                       "data/zeros", 100);
             },
             u"記録された大きさより大きく"_s}));

// The headers' sizes are added up before anything is written; the entries here claim far
// more than they hold, so nothing big is ever written.
class UnpackedSize : public ::testing::Test {
protected:
    UnpackedSize() { writeSampleWorkspace(m_app.path(), 2); }
    void expectRefused(const QByteArray& zip, std::optional<qint64> limit) {
        m_out.writeBytes(u"a.zip"_s, zip);
        const QMap<QString, QByteArray> before = workspaceTree(m_app.path());
        const QStringList entriesBefore = entries();
        try {
            backup::restoreBackup(m_out.path(u"a.zip"_s), m_app.path(), m_clock, {}, limit);
            ADD_FAILURE() << "restored";
        } catch (const platform::Error& error) {
            EXPECT_EQ(error.number(), platform::ErrorNumber::DiskFull);
            EXPECT_TRUE(
                error.description().startsWith(u"バックアップを展開する空き容量が足りません。"_s))
                << error.description().toStdString();
        }
        EXPECT_EQ(workspaceTree(m_app.path()), before);
        EXPECT_EQ(entries(), entriesBefore);
    }
    QStringList entries() const {
        return QDir(m_app.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }
    TempAppFolder m_app, m_out;
    FixedClock m_clock;
};

TEST_F(UnpackedSize, MoreThanFourGigabytesIsRefusedWhateverTheFreeSpace) {
    const QByteArray big(1000, 'x');
    expectRefused(withStatedSize(withStatedSize(zipOf({marker(), {"data/a", big}, {"data/b", big}}),
                                                "data/a", 0xC0000000u),
                                 "data/b", 0xC0000000u),
                  std::nullopt);
}

TEST_F(UnpackedSize, ExactlyTheLimitIsRestoredAndOneByteMoreIsNot) {
    const QByteArray zip = zipOf({marker(), {"data/a", "12345"}, {"ini/b", "678"}});
    expectRefused(zip, 7);
    ASSERT_EQ(backup::restoreBackup(m_out.path(u"a.zip"_s), m_app.path(), m_clock, {}, 8).outcome,
              backup::Outcome::Done);
    EXPECT_EQ(m_app.readBytes(u"data/a"_s), "12345");
}

} // namespace
