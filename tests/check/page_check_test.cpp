#include "check/page_check.h"
#include "platform/cp932.h"

#include <gtest/gtest.h>
#include <optional>

namespace {

using namespace Qt::StringLiterals;
using check::FindingKind;

QByteArray pageBytes(const QString& html) {
    // Written the way pages are: a character with no CP932 form becomes &#x…;.
    return platform::toCp932(html, platform::Unmappable::CharacterReference);
}

struct Case {
    QString piece;                   // put on line 3 of a small page
    std::optional<FindingKind> kind; // none: the piece is close to a finding but clean
    int line = 3;
};
void PrintTo(const Case& c, std::ostream* os) {
    *os << QString(c.piece).replace(u'\r', u"\\r"_s).replace(u'\n', u"\\n"_s).toStdString();
}

class PageCheck : public ::testing::TestWithParam<Case> {};

TEST_P(PageCheck, FindsExactlyWhatThePieceHolds) {
    const Case& c = GetParam();
    const QString page =
        u"<center>\r\n<p>商品のご案内</p>\r\n"_s + c.piece + u"\r\n</center>\r\n"_s;
    const QList<check::Finding> findings = check::checkPage(pageBytes(page), {});
    if (!c.kind) {
        EXPECT_TRUE(findings.isEmpty()) << findings.value(0).text.toStdString();
        return;
    }
    ASSERT_EQ(findings.size(), 1);
    EXPECT_EQ(findings[0].kind, *c.kind) << findings[0].text.toStdString();
    EXPECT_EQ(findings[0].line, c.line);
    EXPECT_FALSE(findings[0].text.isEmpty());
    EXPECT_FALSE(findings[0].advice.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Elements, PageCheck,
    ::testing::Values(
        Case{u"<script>alert(1)</script>"_s, FindingKind::ForbiddenElement},
        Case{u"<scripture>古文書</scripture>"_s, {}},
        Case{u"<meta http-equiv=\"Refresh\" content=\"0;URL=https://example.jp/\">"_s,
             FindingKind::ForbiddenElement},
        Case{u"<meta http-equiv=\"Content-Type\" content=\"text/html\">"_s, {}},
        Case{u"<img src=\"https://example.jp/a.jpg\" OnError=\"alert(1)\">"_s,
             FindingKind::EventAttribute},
        Case{u"<p>onclick=で動かす記事</p><img src=a.jpg alt=onsen>"_s, {}},
        // A tab inside the scheme still runs the script in a browser.
        Case{u"<a href=\" jav&#x09;ascript:alert(1)\">見る</a>"_s, FindingKind::ScriptAddress},
        Case{u"<img src=a.jpg alt=\"javascript:入門\">"_s, {}},
        Case{u"<a href=\"VBScript:MsgBox(1)\">見る</a>"_s, FindingKind::ScriptAddress},
        Case{u"<a href=\"vbscript.html\">見る</a>"_s, {}}));

INSTANTIATE_TEST_SUITE_P(
    Addresses, PageCheck,
    ::testing::Values(
        Case{u"<img src=\"http://example.jp/a.jpg\">"_s, FindingKind::InsecureImage},
        Case{u"<table background=HTTP://example.jp/bg.gif><tr><td>x</td></tr></table>"_s,
             FindingKind::InsecureImage},
        Case{u"<a href=\"http://example.jp/\">店の案内</a>"_s, FindingKind::InsecureLink},
        Case{u"<a href=\"https://example.jp/\"><img src=\"https://example.jp/a.jpg\"></a>"_s, {}},
        Case{u"<p>http://example.jp/ は古い案内です</p>"_s, {}},
        Case{u"<a href=\"https://jp.mercari.com/item/m123\">こちらでも</a>"_s,
             FindingKind::OtherShopLink},
        Case{u"<p>ｈｔｔｐｓ：／／ｉｔｅｍ．ｒａｋｕｔｅｎ．ｃｏ．ｊｐ／ｓｈｏｐ／</p>"_s,
             FindingKind::OtherShopLink},
        Case{u"<a href=\"https://notmercari.com/\">x</a>"
             u"<a href=\"https://auctions.yahoo.co.jp/jp/booth/seller\">y</a>"_s,
             {}}));

INSTANTIATE_TEST_SUITE_P(
    Contacts, PageCheck,
    ::testing::Values(
        Case{u"<p>連絡は taro.yamada@example.jp まで</p>"_s, FindingKind::EmailAddress},
        Case{u"<p>ｔａｒｏ＠ｅｘａｍｐｌｅ．ｊｐ</p>"_s, FindingKind::EmailAddress},
        Case{u"<a href=\"MAILTO:taro@example.jp\">メール</a>"_s, FindingKind::EmailAddress},
        Case{u"<img src=\"https://example.jp/taro@example.jp.jpg\">"_s, {}},
        Case{u"<p>TEL03-1234-5678</p>"_s, FindingKind::PhoneNumber},
        Case{u"<p>携帯：０９０－１２３４－５６７８</p>"_s, FindingKind::PhoneNumber},
        Case{u"<p>(0120)123-456</p>"_s, FindingKind::PhoneNumber},
        Case{u"<p>+81 90 1234 5678</p>"_s, FindingKind::PhoneNumber},
        Case{u"<p>09012345678</p>"_s, FindingKind::PhoneNumber},
        // Eleven digits without a separator are a number only from 070 up.
        Case{u"<p>07012345678</p>"_s, FindingKind::PhoneNumber}, Case{u"<p>06012345678</p>"_s, {}},
        Case{u"<p>お電話は<br>\r\n\r\n03(1234)5678</p>"_s, FindingKind::PhoneNumber, 5},
        // A reference to a line feed is no line of the page: counted as one, it once put
        // the finding past the page's last line.
        Case{u"<p>お電話は&#10;&#xA;&NewLine;03-1234-5678</p>"_s, FindingKind::PhoneNumber},
        Case{u"<p>&#x0a;お電話は\r\n03-1234-5678</p>"_s, FindingKind::PhoneNumber, 4},
        Case{u"<p>JAN 4901234567894 2024-01-15発売 100-120-160サイズ 型番0123-456-7890 "
             u"〒060-0001 0312345678</p>"_s,
             {}}));

INSTANTIATE_TEST_SUITE_P(
    Structure, PageCheck,
    ::testing::Values(Case{u"<p>笑顔😀</p>"_s, FindingKind::CharacterReference},
                      Case{u"<p>&#128512;</p>"_s, FindingKind::CharacterReference},
                      Case{u"<p>&#x3042; &amp;#x1F600;</p>"_s, {}},
                      Case{u"<table><tr><td>表の中"_s, FindingKind::UnclosedTag},
                      Case{u"<font color=red>SALE"_s, FindingKind::UnclosedTag},
                      // The end of a cell ends the font too, so nothing after it is taken in.
                      Case{u"<table><tr><td><font color=red>SALE</td></tr></table>"_s, {}},
                      Case{u"<table><tr><th><font color=red>SALE</th></tr></table>"_s, {}},
                      Case{u"<table><caption><font size=5>在庫</caption></table>"_s, {}},
                      // Lines end at LF, CR LF or a lone CR.
                      Case{u"a\nb\r<embed src=a.swf>"_s, FindingKind::ForbiddenElement, 5}));

TEST(PageCheckSize, ReportsTheLineWhereThePagePassesTheLimit) {
    const QByteArray page = pageBytes(u"<p>一行目</p>\r\n<p>二行目</p>\r\n<p>三行目</p>\r\n"_s);
    check::CheckSettings settings;
    settings.maxPageBytes = page.size(); // exactly the limit is allowed
    EXPECT_TRUE(check::checkPage(page, settings).isEmpty());

    settings.maxPageBytes = 20; // each line is 15 bytes, so byte 21 lies on line 2
    const QList<check::Finding> findings = check::checkPage(page, settings);
    ASSERT_EQ(findings.size(), 1);
    EXPECT_EQ(findings[0].kind, FindingKind::PageTooLarge);
    EXPECT_EQ(findings[0].line, 2);
}

TEST(PageCheckShops, FollowsTheHostsOfTheSettings) {
    const QByteArray page = pageBytes(u"<a href=\"https://Shop.Example.jp/item\">x</a>"_s);
    check::CheckSettings settings;
    EXPECT_TRUE(check::checkPage(page, settings).isEmpty());
    settings.otherShopHosts = {u"example.jp"_s};
    ASSERT_EQ(check::checkPage(page, settings).size(), 1);
}

TEST(PageCheckInput, SurvivesBrokenBytesAndDeepNesting) {
    EXPECT_TRUE(check::checkPage(QByteArray("\x82\xA0\x81<p>\xFF</p>\0x", 14), {}).isEmpty());
    // A recursive walk or release of this tree overflows an 8 MB stack (from about 70 000 tables).
    QByteArray nested;
    for (int i = 0; i < 80'000; ++i)
        nested += "<table><tr><td>";
    EXPECT_EQ(check::checkPage(nested, {}).size(), 80'000);
}

} // namespace
