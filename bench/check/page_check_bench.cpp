// The page check runs before every preview, so a page of 1 MB must be checked in under 100 ms,
// and no page of 1 MB may take a second, however it nests.
#include "check/page_check.h"
#include "platform/cp932.h"

#include <benchmark/benchmark.h>

namespace {

using namespace Qt::StringLiterals;

QByteArray cp932(const QString& text) {
    return platform::toCp932(text, platform::Unmappable::CharacterReference);
}

// A long listing page as sellers write them: table rows of Japanese text with line breaks,
// font tags, photos and links, and now and then something the check reports.
QByteArray megabytePage() {
    const QString row =
        u"<tr><td bgcolor=#FFCC33 align=center width=20%><b><font color=#000000>商品詳細</font>"
        u"</b></td><td bgcolor=#FFFFC0 align=left>未使用品です。箱と説明書が付いています。<br>"
        u"動作確認済みで、目立つ傷や汚れはありません。サイズは幅30cm・高さ20cmです。<br>"
        u"<img src=\"https://img.example.jp/photo/item1234.jpg\" width=300 alt=\"正面\"><br>"
        u"<font size=2 color=#777777>※写真の色は実物と少し違うことがあります。</font><br>"
        u"<a href=\"https://auctions.example.jp/seller/list\" target=\"_blank\">ほかの出品</a>"
        u"</td></tr>\r\n"_s;
    const QString odd = u"<tr><td>お問い合わせ 03-1234-5678 <img src=\"http://example.jp/a.jpg\">"
                        u"笑顔😀</td></tr>\r\n"_s;
    QByteArray page =
        cp932(u"<center>\r\n<table width=800 bgcolor=#ffffff cellspacing=1 cellpadding=5>\r\n"_s);
    const QByteArray rowBytes = cp932(row);
    const QByteArray oddBytes = cp932(odd);
    for (int i = 0; page.size() < 1'000'000; ++i)
        page += i % 100 == 99 ? oddBytes : rowBytes;
    return page + cp932(u"</table>\r\n</center>\r\n"_s);
}

// One template line of 200 000 nested <div> (1 MB).
QByteArray nestedDivs() {
    return QByteArray("<div>").repeated(200'000) + "\r\n";
}

// 100 000 nested <b> that differ in their attributes, so the parser keeps every one of them
// in its list of open formatting elements.
QByteArray nestedBold() {
    QByteArray page;
    for (int i = 0; i < 100'000; ++i)
        page += "<b id=" + QByteArray::number(i) + '>';
    return page + "\r\n";
}

// About 50 000 findings, two on each line.
QByteArray manyFindings() {
    QByteArray page;
    for (int i = 0; i < 25'000; ++i)
        page += "<p onclick=x>03-1234-" + QByteArray::number(1000 + i % 9000) + "</p>\r\n";
    return page;
}

void checkEach(benchmark::State& state, const QByteArray& page) {
    const check::CheckSettings settings;
    qsizetype found = 0;
    for (auto _ : state)
        found = check::checkPage(page, settings).size();
    state.SetBytesProcessed(state.iterations() * page.size());
    state.counters["page_bytes"] = double(page.size());
    state.counters["findings"] = double(found);
}

void BM_CheckMegabytePage(benchmark::State& state) {
    checkEach(state, megabytePage());
}
BENCHMARK(BM_CheckMegabytePage)->Unit(benchmark::kMillisecond);

void BM_CheckNestedDivs(benchmark::State& state) {
    checkEach(state, nestedDivs());
}
BENCHMARK(BM_CheckNestedDivs)->Unit(benchmark::kMillisecond);

void BM_CheckNestedBold(benchmark::State& state) {
    checkEach(state, nestedBold());
}
BENCHMARK(BM_CheckNestedBold)->Unit(benchmark::kMillisecond);

void BM_CheckManyFindings(benchmark::State& state) {
    checkEach(state, manyFindings());
}
BENCHMARK(BM_CheckManyFindings)->Unit(benchmark::kMillisecond);

} // namespace
