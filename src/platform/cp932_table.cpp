#include "cp932_table.h"

#include <array>
#include <cerrno>
#include <iconv.h>
#include <vector>

namespace platform {
namespace {

constexpr char32_t kNone = 0xFFFFFFFF;
constexpr char32_t kReplacement = 0xFFFD;

struct Cp932Table {
    std::array<char32_t, 256> single; // the character of a byte on its own
    std::array<bool, 256> lead{};     // the byte starts a two-byte character
    std::vector<char32_t> pairs;      // by lead << 8 | trail
};

// The one character `in` converts to, kNone when it is no character, or kNone with
// `incomplete` set when it is the start of one.
char32_t convertOne(iconv_t converter, const char* in, size_t size, bool* incomplete = nullptr) {
    iconv(converter, nullptr, nullptr, nullptr, nullptr);
    char32_t out[2] = {};
    char* inPtr = const_cast<char*>(in);
    char* outPtr = reinterpret_cast<char*>(out);
    size_t inLeft = size;
    size_t outLeft = sizeof out;
    const size_t result = iconv(converter, &inPtr, &inLeft, &outPtr, &outLeft);
    if (incomplete)
        *incomplete = result == size_t(-1) && errno == EINVAL;
    const bool one = result != size_t(-1) && inLeft == 0 && outLeft == sizeof out - sizeof out[0];
    return one ? out[0] : kNone;
}

Cp932Table buildTable() {
    Cp932Table table;
    table.single.fill(kNone);
    table.pairs.assign(256 * 256, kNone);
    const iconv_t converter = iconv_open("UTF-32LE", "CP932");
    if (converter == reinterpret_cast<iconv_t>(-1))
        return table; // every byte then reads as U+FFFD, as the converter would give nothing
    for (int b = 0; b < 256; ++b) {
        const char byte = char(b);
        bool incomplete = false;
        table.single[size_t(b)] = convertOne(converter, &byte, 1, &incomplete);
        table.lead[size_t(b)] = incomplete;
    }
    for (int lead = 0; lead < 256; ++lead) {
        if (!table.lead[size_t(lead)])
            continue;
        for (int trail = 0; trail < 256; ++trail) {
            const char pair[2] = {char(lead), char(trail)};
            table.pairs[size_t(lead << 8 | trail)] = convertOne(converter, pair, 2);
        }
    }
    iconv_close(converter);
    return table;
}

char* appendUtf8(char* out, char32_t c) {
    if (c < 0x80) {
        *out++ = char(c);
    } else if (c < 0x800) {
        *out++ = char(0xC0 | c >> 6);
        *out++ = char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        *out++ = char(0xE0 | c >> 12);
        *out++ = char(0x80 | (c >> 6 & 0x3F));
        *out++ = char(0x80 | (c & 0x3F));
    } else {
        *out++ = char(0xF0 | c >> 18);
        *out++ = char(0x80 | (c >> 12 & 0x3F));
        *out++ = char(0x80 | (c >> 6 & 0x3F));
        *out++ = char(0x80 | (c & 0x3F));
    }
    return out;
}

} // namespace

QByteArray utf8FromCp932(QByteArrayView bytes) {
    static const Cp932Table table = buildTable();
    // One byte gives at most three (U+FFFD or a half-width kana), two bytes at most three.
    QByteArray utf8(bytes.size() * 3, Qt::Uninitialized);
    char* out = utf8.data();
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* end = in + bytes.size();
    while (in < end) {
        const unsigned char b = *in;
        char32_t c = kNone;
        if (table.lead[b] && end - in >= 2)
            c = table.pairs[size_t(b << 8 | in[1])];
        if (c != kNone) {
            in += 2;
        } else {
            c = table.single[b];
            ++in;
        }
        out = appendUtf8(out, c == kNone ? kReplacement : c);
    }
    utf8.truncate(out - utf8.data());
    return utf8;
}

} // namespace platform
