#include "full_width.h"

#include <iterator>

namespace platform {
namespace {

// Full-width forms of U+FF61 … U+FF9F, in code order.
constexpr char16_t kKatakana[] = {
    u'。', u'「', u'」', u'、', u'・', u'ヲ', u'ァ', u'ィ', u'ゥ', u'ェ', u'ォ', u'ャ', u'ュ',
    u'ョ', u'ッ', u'ー', u'ア', u'イ', u'ウ', u'エ', u'オ', u'カ', u'キ', u'ク', u'ケ', u'コ',
    u'サ', u'シ', u'ス', u'セ', u'ソ', u'タ', u'チ', u'ツ', u'テ', u'ト', u'ナ', u'ニ', u'ヌ',
    u'ネ', u'ノ', u'ハ', u'ヒ', u'フ', u'ヘ', u'ホ', u'マ', u'ミ', u'ム', u'メ', u'モ', u'ヤ',
    u'ユ', u'ヨ', u'ラ', u'リ', u'ル', u'レ', u'ロ', u'ワ', u'ン', u'゛', u'゜'};
static_assert(std::size(kKatakana) == 0xFF9F - 0xFF61 + 1);

constexpr char16_t kVoicedMark = 0xFF9E;
constexpr char16_t kSemiVoicedMark = 0xFF9F;

// ッ lies between チ and ツ but has no voiced form.
bool takesVoicedMark(char16_t kana) {
    return (kana >= u'カ' && kana <= u'ト' && kana != u'ッ') || (kana >= u'ハ' && kana <= u'ホ');
}
bool takesSemiVoicedMark(char16_t kana) { return kana >= u'ハ' && kana <= u'ホ'; }

// The composed kana, or 0 when `kana` and `mark` do not combine.
char16_t compose(char16_t kana, char16_t mark) {
    if (mark == kVoicedMark && kana == u'ウ')
        return u'ヴ';
    // In the full-width block the voiced form follows its base, the semi-voiced one two on.
    if (mark == kVoicedMark && takesVoicedMark(kana))
        return char16_t(kana + 1);
    if (mark == kSemiVoicedMark && takesSemiVoicedMark(kana))
        return char16_t(kana + 2);
    return 0;
}

} // namespace

QString toFullWidth(const QString& text) {
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c == u' ') {
            result += QChar(u'\u3000');
        } else if (c >= 0x21 && c <= 0x7E) {
            result += QChar(char16_t(c - 0x21 + 0xFF01));
        } else if (c >= 0xFF61 && c <= 0xFF9F) {
            const char16_t kana = kKatakana[c - 0xFF61];
            const char16_t next = i + 1 < text.size() ? text.at(i + 1).unicode() : 0;
            if (const char16_t composed = compose(kana, next)) {
                result += QChar(composed);
                ++i;
            } else {
                result += QChar(kana);
            }
        } else {
            result += QChar(c);
        }
    }
    return result;
}

} // namespace platform
