#include "title_rules.h"

#include "platform/full_width.h"

using namespace Qt::Literals::StringLiterals;

namespace page {

QString trimmedOfSpaces(const QString& text) {
    // A seller typing Japanese pads with ideographic spaces as often as with ASCII ones.
    auto isSpace = [](QChar c) { return c == u' ' || c == u'\u3000'; };
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isSpace(text[begin]))
        ++begin;
    while (end > begin && isSpace(text[end - 1]))
        --end;
    return text.mid(begin, end - begin);
}

QString NormalizeTitle(const QString& title) {
    QString tidied = title;
    tidied.remove(u"\r\n"_s);
    tidied.remove(QChar(u'\0'));
    return trimmedOfSpaces(tidied);
}

int CheckTitle(const QString& title, platform::Prompter& prompter) {
    // Counted in the full-width form the page file is named by, so ｶﾞ counts once.
    const qsizetype length = platform::toFullWidth(title).size();
    if (length == 0) {
        prompter.inform(u"タイトル名は必ず入力します。"_s);
        return kTitleEmpty;
    }
    if (length > kTitleLimit) {
        prompter.inform(u"タイトル名が長すぎます。"_s);
        return kTitleTooLong;
    }
    return kTitleAccepted;
}

} // namespace page
