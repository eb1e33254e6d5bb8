// Pages nested far deeper than any seller means to: the check returns, still reports what it
// would on a normal page, and says where it stopped following the nesting.
#include "check/nesting_bound.h"
#include "check/page_check.h"

#include <gtest/gtest.h>

namespace {

using check::FindingKind;

// Every kind of finding a tag or a text can give, on lines 2 to 5; and a phone number inside
// a script, which is never shown and so never reported.
const QByteArray kTail = "\r\n<img src=\"http://example.jp/a.jpg\" onclick=\"x\">"
                         "\r\n<p>TEL 03-1234-5678 &#x1F600;</p>"
                         "\r\n<script>var tel = \"03-9999-9999\";</script>"
                         "\r\n<a href=\"https://jp.mercari.com/\">m</a><meta http-equiv=refresh>";

struct Shape {
    const char* name;
    QByteArray deep; // all on line 1
};
void PrintTo(const Shape& s, std::ostream* os) {
    *os << s.name;
}

QByteArray numbered(const char* before, const char* after, int count) {
    QByteArray page;
    for (int i = 0; i < count; ++i)
        page += before + QByteArray::number(i) + after;
    return page;
}

QList<std::pair<int, FindingKind>> linesAndKinds(const QList<check::Finding>& findings,
                                                 int fromLine) {
    QList<std::pair<int, FindingKind>> found;
    for (const check::Finding& f : findings)
        if (f.line >= fromLine)
            found.append({f.line, f.kind});
    return found;
}

class DeepPage : public ::testing::TestWithParam<Shape> {};

TEST_P(DeepPage, GivesTheFindingsOfANormalPageAndSaysWhereItStoppedFollowing) {
    const QList<check::Finding> normal = check::checkPage(kTail, {});
    // Without these the comparison below could pass with the check finding nothing at all.
    ASSERT_EQ(linesAndKinds(normal, 1),
              (QList<std::pair<int, FindingKind>>{{2, FindingKind::InsecureImage},
                                                  {2, FindingKind::EventAttribute},
                                                  {3, FindingKind::PhoneNumber},
                                                  {3, FindingKind::CharacterReference},
                                                  {4, FindingKind::ForbiddenElement},
                                                  {5, FindingKind::OtherShopLink},
                                                  {5, FindingKind::ForbiddenElement}}));

    const QList<check::Finding> deep = check::checkPage(GetParam().deep + kTail, {});
    EXPECT_EQ(linesAndKinds(deep, 2), linesAndKinds(normal, 2));
    const auto bound = std::count_if(deep.begin(), deep.end(), [](const check::Finding& f) {
        return f.kind == FindingKind::TooDeeplyNested && f.line == 1;
    });
    EXPECT_EQ(bound, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, DeepPage,
    ::testing::Values(
        Shape{"nested divs", QByteArray("<div>").repeated(200'000)},
        Shape{"nested bold, each different", numbered("<b id=", ">", 100'000)},
        Shape{"spans nested in a cell", "<table><tr><td>" + QByteArray("<span>").repeated(50'000)},
        // Each </p> closes the bold, and the parser reopens every one of them at the next text.
        Shape{"bold reopened by every paragraph", numbered("<p><b id=", ">x</p>", 30'000)},
        // Nested objects stop most searches for open elements, but not a cell end's search
        // for its cell.
        // The parser compares each attribute's name with all before it.
        Shape{"one tag with many attributes", "<div" + numbered(" a", "", 100'000) + ">"},
        // Each <html> makes the parser look through every open element.
        Shape{"html tags past nested tables", QByteArray("<table><tr><td>").repeated(20'000) +
                                                  QByteArray("<html>").repeated(50'000)},
        Shape{"cell ends past nested objects", "<table><tr><td>" +
                                                   QByteArray("<object>").repeated(30'000) +
                                                   QByteArray("</th>").repeated(30'000)}));

// Each element on a line of its own, so the line tells how deep the bound struck.
class NestingBound : public ::testing::TestWithParam<int> {};

TEST_P(NestingBound, FollowsTheNestingUpToTheBoundExactly) {
    const int depth = check::kMaxNesting + GetParam(); // of the font
    const QByteArray page =
        QByteArray("<div>\r\n").repeated(depth - 1) + "<font color=red onclick=x>SALE\r\n";
    const QList<check::Finding> findings = check::checkPage(page, {});
    const QList<std::pair<int, FindingKind>> expected =
        depth <= check::kMaxNesting
            ? QList<std::pair<int, FindingKind>>{{depth, FindingKind::UnclosedTag},
                                                 {depth, FindingKind::EventAttribute}}
            // Past the bound the font is checked on its own, so it is not seen unclosed.
            : QList<std::pair<int, FindingKind>>{{depth, FindingKind::TooDeeplyNested},
                                                 {depth, FindingKind::EventAttribute}};
    EXPECT_EQ(linesAndKinds(findings, 1), expected);
}

INSTANTIATE_TEST_SUITE_P(AroundTheBound, NestingBound, ::testing::Values(0, 1));

// Pages that look deep to a count of start tags but are not: the parser closes these elements
// itself, so nothing may say the page is too deeply nested.
class ShallowPage : public ::testing::TestWithParam<Shape> {};

TEST_P(ShallowPage, IsFollowedToTheEnd) {
    const QList<check::Finding> findings = check::checkPage(GetParam().deep, {});
    EXPECT_TRUE(std::none_of(findings.begin(), findings.end(), [](const check::Finding& f) {
        return f.kind == FindingKind::TooDeeplyNested;
    }));
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, ShallowPage,
    ::testing::Values(
        Shape{"unclosed items", "<ul>" + QByteArray("<li>item").repeated(3'000) + "</ul>"},
        Shape{"unclosed paragraphs", QByteArray("<p>text<br>").repeated(3'000)},
        Shape{"unclosed terms", "<dl>" + QByteArray("<dt>a<dd>b").repeated(3'000) + "</dl>"},
        Shape{"unclosed options",
              "<select>" + QByteArray("<option>o").repeated(3'000) + "</select>"},
        Shape{"unclosed rows", "<table>" + QByteArray("<tr><td>a<td>b").repeated(3'000)},
        Shape{"cells in cells", QByteArray("<table><tr><td><div>").repeated(3'000)},
        Shape{"a font in each paragraph", QByteArray("<p><font color=red>x</p>").repeated(3'000)},
        Shape{"crossed tags", QByteArray("<b>x<i>y</b>z</i>").repeated(3'000)},
        Shape{"unclosed links", QByteArray("<a href=#x>x").repeated(3'000)},
        Shape{"headings", QByteArray("<h2>a<h3>b").repeated(3'000)},
        Shape{"comments and scripts",
              QByteArray("<!-- <div> --><script>'<div>'</script><style>p{}</style>")
                  .repeated(3'000)}));

} // namespace
