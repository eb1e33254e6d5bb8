#include "aids/phrase_file.h"
#include "platform/error.h"
#include "temp_app_folder.h"

#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;

struct Case {
    const char* name;
    std::optional<QByteArray> bytes; // nothing: no such file
    QString text;                    // empty: the read fails with errorNumber
    int errorNumber = 0;
};
void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

class ReadPhraseFile : public ::testing::TestWithParam<Case> {};

TEST_P(ReadPhraseFile, GivesTheWholeTextOrFails) {
    TempAppFolder app;
    app.writeBytes(u"text/other.txt"_s, "x"); // the folder exists in every case
    if (GetParam().bytes)
        app.writeBytes(u"text/注意事項.txt"_s, *GetParam().bytes);
    try {
        EXPECT_EQ(aids::readPhraseFile(app.path(u"text/注意事項.txt"_s)), GetParam().text);
        EXPECT_EQ(GetParam().errorNumber, 0);
    } catch (const platform::Error& error) {
        EXPECT_EQ(error.number(), GetParam().errorNumber);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, ReadPhraseFile,
    ::testing::Values(
        // CP932 bytes spelled out: a UTF-8 reader would garble them.
        Case{"one line", QByteArray("\x97\x8E\x8E\x44\r\n"), u"落札\r\n"_s},
        Case{"lines kept as they are", QByteArray("<b>\r\n\r\nx"), u"<b>\r\n\r\nx"_s},
        Case{"missing", std::nullopt, {}, platform::ErrorNumber::FileNotFound},
        Case{"empty", QByteArray(), {}, platform::ErrorNumber::InputPastEndOfFile}));

} // namespace
