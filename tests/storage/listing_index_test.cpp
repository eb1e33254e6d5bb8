#include "platform/cp932.h"
#include "storage/listing_index.h"
#include "storage_fixture.h"

#include <QDir>
#include <QFile>

using namespace Qt::StringLiterals;
using storage::EntryKind;
using storage::UpdateIndex;

namespace {

class ListingIndex : public StorageTest {
protected:
    QStringList update(const QString& title, const QString& stamp) {
        return UpdateIndex(m_storage, EntryKind::Finished, title, stamp, m_clock.time);
    }
};

TEST_F(ListingIndex, RewritesThePlaceholderWithAPlainZeroAndAppendsTheNewEntry) {
    EXPECT_TRUE(update(u"赤い傘, 新品"_s, u"20240105093000"_s).isEmpty());
    EXPECT_EQ(m_app.readBytes(u"data/tm1.dat"_s),
              cp932Lines({u"0,\"\",\"\",#2024-01-01 10:00:00#"_s,
                          u"2,\"赤い傘, 新品\",\"20240105093000\",#2024-01-05 09:30:00#"_s}));
    EXPECT_EQ(index().at(1).title, u"赤い傘, 新品"_s);
}

TEST_F(ListingIndex, ReplacesEveryMatchInPlaceAndHandsBackTheirFiles) {
    addListing(EntryKind::Finished, u"a"_s, u"s1"_s, false);
    addListing(EntryKind::Listed, u"a"_s, u"s2"_s, false);
    addListing(EntryKind::Finished, u"A"_s, u"s3"_s, false); // titles differ by case
    addListing(EntryKind::Finished, u"a"_s, u"s4"_s, false);

    EXPECT_EQ(update(u"a"_s, u"s5"_s), (QStringList{u"s1"_s, u"s4"_s}));
    EXPECT_TRUE(update(u"c"_s, u"s6"_s).isEmpty());
    EXPECT_EQ(summary(), (QStringList{u"0  "_s, u"2 a s5"_s, u"3 a s2"_s, u"2 A s3"_s, u"2 a s5"_s,
                                      u"2 c s6"_s}));
}

// Files of an earlier version could share a stamp; they must not be handed out for deletion
// while another entry still names them.
TEST_F(ListingIndex, DoesNotHandBackFilesAnotherEntryStillNames) {
    addListing(EntryKind::Finished, u"a"_s, u"s1"_s, false);
    addListing(EntryKind::Finished, u"b"_s, u"s1"_s, false);
    EXPECT_TRUE(update(u"a"_s, u"s2"_s).isEmpty());
}

// ⅰ has two CP932 codes; a title written elsewhere with the other one is the same title. An
// editor may also have left empty lines.
TEST_F(ListingIndex, MatchesATitleWithTheOtherCodeOfACharacterAndPassesOverEmptyLines) {
    ASSERT_EQ(platform::fromCp932("\xEE\xEF"), u"ⅰ"_s);
    m_app.writeBytes(u"data/tm1.dat"_s, "\r\n2,\"\xEE\xEF\",\"s1\",#2024-01-01#\r\n\r\n");
    EXPECT_EQ(update(u"ⅰ"_s, u"s2"_s), QStringList{u"s1"_s});
    EXPECT_EQ(summary(), QStringList{u"2 ⅰ s2"_s});
}

// The other lead bytes of characters with two codes; the program writes the first of each.
class OtherCode : public ListingIndex,
                  public ::testing::WithParamInterface<std::pair<const char*, const char16_t*>> {};
TEST_P(OtherCode, StillMatchesTheTitle) {
    const QString title = QString::fromUtf16(GetParam().second);
    m_app.writeBytes(u"data/tm1.dat"_s,
                     "2,\""_ba + GetParam().first + "\",\"s1\",#2024-01-01#\r\n");
    EXPECT_EQ(update(title, u"s2"_s), QStringList{u"s1"_s});
    EXPECT_EQ(summary(), QStringList{u"2 "_s + title + u" s2"_s});
}
INSTANTIATE_TEST_SUITE_P(LeadBytes, OtherCode,
                         ::testing::Values(std::pair("\x87\x90", u"≒"),
                                           std::pair("\xED\x40", u"纊"),
                                           std::pair("\xFA\x5B", u"∵")),
                         [](const auto& info) {
                             return "Lead" +
                                    QByteArray(info.param.first, 1).toHex().toUpper().toStdString();
                         });

// The seller may have closed the index to other users; a rewrite must not open it again.
TEST_F(ListingIndex, KeepsItsPermissionsAndLeavesNoOtherFile) {
    const QString path = m_app.path(u"data/tm1.dat"_s);
    ASSERT_TRUE(
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    update(u"a"_s, u"s1"_s);
    EXPECT_EQ(summary().size(), 2);
    EXPECT_EQ(QFile::permissions(path) & ~(QFile::ReadUser | QFile::WriteUser),
              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    EXPECT_EQ(QDir(m_app.path(u"data"_s)).entryList(QDir::Files | QDir::Hidden),
              QStringList{u"tm1.dat"_s});
}

// A title written without quotation marks can hold one (an editor, an older version). The
// rewrite leaves it out, so that entry is the saved title too and is replaced: kept, it
// became a second, stale entry of the title that the window found first.
TEST_F(ListingIndex, TakesATitleWithAStrayQuotationMarkAsWrittenWithoutIt) {
    m_app.writeBytes(
        u"data/tm1.dat"_s,
        platform::toCp932(u"2,帽子\",\"s1\",#2024-01-01#\r\n3,\"a\"b\",s2,#2024-01-02#\r\n"
                          u"2,靴\"下,\"s4\",#2024-01-03#\r\n"_s,
                          platform::Unmappable::Refuse));
    EXPECT_EQ(update(u"帽子"_s, u"s3"_s), QStringList{u"s1"_s});
    // An entry only passed through loses its mark too, or the rewrite would end its field.
    EXPECT_EQ(summary(), (QStringList{u"2 帽子 s3"_s, u"3 a s2"_s, u"2 靴下 s4"_s}));
}

TEST_F(ListingIndex, StaysAsItWasWhenAnyStepFails) {
    const QByteArray before = m_app.readBytes(u"data/tm1.dat"_s);
    for (m_files.failAt = 1;; ++m_files.failAt) {
        m_files.count = 0;
        try {
            update(u"a"_s, u"s1"_s);
            break;
        } catch (const platform::Error&) {
            EXPECT_EQ(m_app.readBytes(u"data/tm1.dat"_s), before) << "step " << m_files.failAt;
        }
    }
    EXPECT_EQ(m_files.failAt, 3); // read, write data/tm1.dat, then no failure
}

} // namespace
