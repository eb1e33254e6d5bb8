#include "aids/phrase_file.h"
#include "platform/error.h"
#include "scripted_prompter.h"
#include "temp_app_folder.h"

#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;

struct ReadCase {
    const char* name;
    QByteArray bytes;
    QString text;
};
void PrintTo(const ReadCase& c, std::ostream* os) {
    *os << c.name;
}

class ReadPhraseFile : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadPhraseFile, GivesTheWholeTextWithItsLineBreaks) {
    TempAppFolder app;
    app.writeBytes(u"text/支払い説明.txt"_s, GetParam().bytes);
    EXPECT_EQ(aids::readPhraseFile(app.path(u"text/支払い説明.txt"_s)), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ReadPhraseFile,
    ::testing::Values(
        // CP932 bytes spelled out: a UTF-8 reader would garble them.
        ReadCase{"one line", QByteArray("\x97\x8E\x8E\x44\r\n"), u"落札\r\n"_s},
        ReadCase{"no final break", QByteArray("a\r\nb"), u"a\r\nb"_s},
        ReadCase{"html kept", QByteArray("<b>x</b>\r\n\r\n"), u"<b>x</b>\r\n\r\n"_s},
        ReadCase{"only a line break", QByteArray("\r\n"), u"\r\n"_s}));

struct FailureCase {
    const char* name;
    bool createFile;
    int number;
};
void PrintTo(const FailureCase& c, std::ostream* os) {
    *os << c.name;
}

class UnreadablePhraseFile : public ::testing::TestWithParam<FailureCase> {};

TEST_P(UnreadablePhraseFile, ThrowsAndTheLoaderReportsItWithTheInsertTag) {
    TempAppFolder app;
    const QString path = app.path(u"text/注意事項.txt"_s);
    if (GetParam().createFile)
        app.writeBytes(u"text/注意事項.txt"_s, {});
    else
        app.writeBytes(u"text/other.txt"_s, "x"); // the folder exists, the file does not

    try {
        aids::readPhraseFile(path);
        ADD_FAILURE() << "no error";
    } catch (const platform::Error& error) {
        EXPECT_EQ(error.number(), GetParam().number);
    }

    ScriptedPrompter prompter;
    EXPECT_EQ(aids::loadPhraseFile(path, prompter), std::nullopt);
    EXPECT_EQ(prompter.texts,
              QStringList{platform::standardDescription(GetParam().number) + u" (Insert "_s +
                          QString::number(GetParam().number) + u")"_s});
}

INSTANTIATE_TEST_SUITE_P(Files, UnreadablePhraseFile,
                         ::testing::Values(FailureCase{"missing", false, 53},
                                           FailureCase{"empty", true, 62}));

TEST(LoadPhraseFile, ShowsNothingWhenTheFileReads) {
    TempAppFolder app;
    app.writeLines(u"text/定型文.txt"_s, {u"定型文を書く"_s});
    ScriptedPrompter prompter;
    EXPECT_EQ(aids::loadPhraseFile(app.path(u"text/定型文.txt"_s), prompter),
              u"定型文を書く\r\n"_s);
    EXPECT_TRUE(prompter.texts.isEmpty());
}

} // namespace
