#include "core/piece_reader.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

struct PieceCase {
    const char* name;
    QString text;
    QStringList pieces;
};

void PrintTo(const PieceCase& c, std::ostream* os) {
    *os << c.name;
}

QStringList allPieces(const QString& text) {
    core::PieceReader reader(text);
    QStringList pieces;
    while (!reader.atEnd())
        pieces << reader.next();
    return pieces;
}

class PieceReaderSplits : public ::testing::TestWithParam<PieceCase> {};

TEST_P(PieceReaderSplits, IntoThePiecesOfTheText) {
    EXPECT_EQ(allPieces(GetParam().text), GetParam().pieces);
}

INSTANTIATE_TEST_SUITE_P(
    LineEnds, PieceReaderSplits,
    ::testing::Values(
        PieceCase{"CommaAndCrLf", u"a,b\r\nc\r\n"_s, {u"a"_s, u"b"_s, u"c"_s}},
        PieceCase{"LfAloneWithoutFinalLineEnd", u"a\nb"_s, {u"a"_s, u"b"_s}},
        PieceCase{"CrAlone", u"a\rb\r"_s, {u"a"_s, u"b"_s}},
        PieceCase{"EmptyLineGivesAnEmptyPiece", u"a\r\n\r\nb\r\n"_s, {u"a"_s, QString(), u"b"_s}},
        PieceCase{"OnlyALineEnd", u"\r\n"_s, {QString()}}, PieceCase{"EmptyText", QString(), {}},
        PieceCase{"CommaBeforeLineEnd", u"a,\r\nb"_s, {u"a"_s, QString(), u"b"_s}},
        PieceCase{"FinalComma", u"a,"_s, {u"a"_s, QString()}}));

INSTANTIATE_TEST_SUITE_P(
    BlanksAndQuotes, PieceReaderSplits,
    ::testing::Values(
        PieceCase{"LeadingBlanksSkipped", u"   a,\t b\r\n"_s, {u"a"_s, u"b"_s}},
        PieceCase{"TrailingBlanksKept", u"a ,b\r\n"_s, {u"a "_s, u"b"_s}},
        PieceCase{"BlankLine", u"  \r\nx"_s, {QString(), u"x"_s}},
        PieceCase{"QuotedPieceKeepsItsComma", u"\"x,y\",z\r\n"_s, {u"x,y"_s, u"z"_s}},
        PieceCase{"QuotedPieceAfterBlanks", u"  \" a \"\r\n"_s, {u" a "_s}},
        PieceCase{"TextAfterClosingQuoteDropped", u"\"q\" tail,next\r\n"_s, {u"q"_s, u"next"_s}},
        PieceCase{"QuoteInsideAPieceIsOrdinary",
                  u"<a href=\"X\">リンク</a>,c"_s,
                  {u"<a href=\"X\">リンク</a>"_s, u"c"_s}},
        PieceCase{
            "QuotedPieceSpansLines", u"\"one\r\ntwo\"\r\nthree"_s, {u"one\r\ntwo"_s, u"three"_s}},
        PieceCase{"UnclosedQuoteRunsToTheEnd", u"\"open,end"_s, {u"open,end"_s}},
        PieceCase{"EmptyQuotedPiece", u"\"\",x"_s, {QString(), u"x"_s}}));

TEST(PieceReader, GivesAnEmptyPieceWhenAskedPastTheEnd) {
    core::PieceReader reader(u"a"_s);
    EXPECT_EQ(reader.next(), u"a"_s);
    EXPECT_TRUE(reader.atEnd());
    EXPECT_EQ(reader.next(), QString());
}

} // namespace
