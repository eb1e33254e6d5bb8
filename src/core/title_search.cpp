#include "title_search.h"

#include "platform/full_width.h"

namespace core {
namespace {

// ぁ…ゖ and the iteration marks ゝゞ lie 0x60 below their katakana forms.
char16_t toKatakana(char16_t c) {
    if ((c >= u'ぁ' && c <= u'ゖ') || c == u'ゝ' || c == u'ゞ')
        return char16_t(c + 0x60);
    return c;
}

} // namespace

QString foldForSearch(const QString& text) {
    QString folded = platform::toFullWidth(text).toCaseFolded();
    for (QChar& c : folded)
        c = QChar(toKatakana(c.unicode()));
    return folded;
}

QStringList foldTitles(const QStringList& titles) {
    QStringList folded;
    folded.reserve(titles.size());
    for (const QString& title : titles)
        folded << foldForSearch(title);
    return folded;
}

QList<int> narrowTitles(const QStringList& foldedTitles, const QString& query) {
    const QString needle = foldForSearch(query);
    QList<int> shown;
    shown.reserve(foldedTitles.size());
    for (int i = 0; i < int(foldedTitles.size()); ++i)
        if (needle.isEmpty() || foldedTitles.at(i).contains(needle))
            shown << i;
    return shown;
}

} // namespace core
