#include "text_scan.h"

#include <QRegularExpression>
#include <algorithm>

namespace check {
namespace {

using namespace Qt::StringLiterals;

void findAll(const QRegularExpression& pattern, const QString& text, const MatchSink& sink) {
    auto matches = pattern.globalMatch(text);
    while (matches.hasNext()) {
        const QRegularExpressionMatch m = matches.next();
        sink({m.capturedStart(), m.captured()});
    }
}

bool isAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

bool hasDigit(const QString& text) {
    return std::any_of(text.begin(), text.end(), isAsciiDigit);
}

// The number as dialled within Japan: its digits, with a leading +81 turned into 0.
QString nationalNumber(const QString& match) {
    QString digits;
    for (QChar c : match)
        if (isAsciiDigit(c))
            digits += c;
    if (match.startsWith(u'+')) {
        digits.remove(0, 2); // the country code 81
        if (!digits.startsWith(u'0'))
            digits.prepend(u'0');
    }
    return digits;
}

bool isPhoneNumber(const QString& match) {
    const QString national = nationalNumber(match);
    if (!national.startsWith(u'0') || national.size() < 10 || national.size() > 11 ||
        national.at(1) == u'0')
        return false;
    // Eleven digits are the 0X0 ranges only (mobile, IP phones, 0800).
    if (national.size() == 11 && national.at(2) != u'0')
        return false;
    const bool separated = std::any_of(match.begin(), match.end(), [](QChar c) {
        return c == u'-' || c == u' ' || c == u'(' || c == u'+';
    });
    return separated || (national.size() == 11 && national.at(1) >= u'7');
}

} // namespace

QString foldWidth(const QString& text) {
    QString folded = text;
    for (QChar& c : folded) {
        const char16_t u = c.unicode();
        if (u >= 0xFF01 && u <= 0xFF5E)
            c = QChar(u - 0xFF01 + 0x21);
        else if (u == 0x3000)
            c = u' ';
        else if (u == 0x2010 || u == 0x2011 || u == 0x2012 || u == 0x2013 || u == 0x2014 ||
                 u == 0x2015 || u == 0x2212 || u == 0x30FC || u == 0xFF70)
            c = u'-';
    }
    return folded;
}

void findEmailAddresses(const QString& folded, const MatchSink& sink) {
    static const QRegularExpression email(
        uR"([A-Za-z0-9._%+\-]+@[A-Za-z0-9\-]+(?:\.[A-Za-z0-9\-]+)*\.[A-Za-z]{2,})"_s);
    if (folded.contains(u'@'))
        findAll(email, folded, sink);
}

void findPhoneNumbers(const QString& folded, const MatchSink& sink) {
    // Three groups of digits, the first two perhaps in brackets, with at most one separator
    // between groups; isPhoneNumber then checks how many digits and which come first. Digits
    // that go on into a longer run of digits and hyphens are a code, not a number.
    static const QRegularExpression phone(
        uR"((?<![0-9+\-])(?:\+81[ \-]?)?(?:\(0?[0-9]{1,4}\)|0?[0-9]{1,4})[ \-]?)"
        uR"((?:\([0-9]{1,4}\)|[0-9]{1,4})[ \-]?[0-9]{3,4}(?![0-9]|-[0-9]))"_s);
    if (!hasDigit(folded))
        return;
    findAll(phone, folded, [&](const TextMatch& m) {
        if (isPhoneNumber(m.text))
            sink(m);
    });
}

void findWebAddresses(const QString& folded, const MatchSink& sink) {
    static const QRegularExpression address(
        uR"(https?://[A-Za-z0-9.\-]+(?::[0-9]+)?(?:/[!#-;=?-~]*)?)"_s,
        QRegularExpression::CaseInsensitiveOption);
    if (folded.contains(u"://"_s))
        findAll(address, folded, sink);
}

void findCharacterReferences(QByteArrayView source,
                             const std::function<void(const CharacterReference&)>& sink) {
    for (qsizetype at = source.indexOf("&#"); at >= 0; at = source.indexOf("&#", at + 2)) {
        qsizetype i = at + 2;
        const bool hex = i < source.size() && (source[i] == 'x' || source[i] == 'X');
        if (hex)
            ++i;
        const qsizetype digitsStart = i;
        char32_t value = 0;
        bool overflow = false;
        for (; i < source.size(); ++i) {
            const char c = source[i];
            int digit = -1;
            if (c >= '0' && c <= '9')
                digit = c - '0';
            else if (hex && c >= 'a' && c <= 'f')
                digit = c - 'a' + 10;
            else if (hex && c >= 'A' && c <= 'F')
                digit = c - 'A' + 10;
            if (digit < 0)
                break;
            value = value * (hex ? 16 : 10) + char32_t(digit);
            overflow = overflow || value > 0x10FFFF;
        }
        if (i == digitsStart)
            continue; // "&#" followed by no number is plain text
        if (i < source.size() && source[i] == ';')
            ++i;
        const bool valid = !overflow && value != 0 && (value < 0xD800 || value > 0xDFFF);
        sink({at, source.sliced(at, i - at).toByteArray(), valid ? value : U'\uFFFD'});
    }
}

} // namespace check
