#include "profiles.h"

#include <span>

namespace profile {
namespace {

struct DefaultValue {
    const char16_t* section;
    const char16_t* key;
    const char16_t* value;
};

// はこBOONonoff is left out on purpose: a missing key reads as off.
constexpr DefaultValue kAuctionDefaults[] = {
    {u"Section商品", u"商品サイズ", u"0"},
    {u"Section商品", u"商品重さ", u"0"},
    {u"Section支払い", u"setumeionoff", u"0"},
    {u"Section支払い", u"ychonoff", u"0"},
    {u"Section支払い", u"ychkigou", u""},
    {u"Section支払い", u"ychno", u""},
    {u"Section支払い", u"bk1onoff", u"0"},
    {u"Section支払い", u"bk1name", u""},
    {u"Section支払い", u"bk1siten", u""},
    {u"Section支払い", u"bk1no", u""},
    {u"Section支払い", u"bk2onoff", u"0"},
    {u"Section支払い", u"bk2name", u""},
    {u"Section支払い", u"bk2siten", u""},
    {u"Section支払い", u"bk2no", u""},
    {u"Section支払い", u"bk3onoff", u"0"},
    {u"Section支払い", u"bk3name", u""},
    {u"Section支払い", u"bk3siten", u""},
    {u"Section支払い", u"bk3no", u""},
    {u"Section支払い", u"ktnonoff", u"1"},
    {u"Section支払い", u"yanetonoff", u"0"},
    {u"Section支払い", u"gnknonoff", u"0"},
    {u"Section支払い", u"dbkonoff", u"0"},
    {u"Section支払い", u"dbktext", u""},
    {u"Section支払い", u"sntonoff", u"0"},
    {u"Section支払い", u"snttext", u""},
    {u"Section発送", u"setumeionoff", u"1"},
    {u"Section発送", u"定型onoff", u"0"},
    {u"Section発送", u"定形外onoff", u"0"},
    {u"Section発送", u"ゆうメールonoff", u"0"},
    {u"Section発送", u"ミニレターonoff", u"0"},
    {u"Section発送", u"レターパック350onoff", u"0"},
    {u"Section発送", u"レターパック500onoff", u"0"},
    {u"Section発送", u"ゆうパックonoff", u"1"},
    {u"Section発送", u"ゆうパックmotikomi", u"0"},
    {u"Section発送", u"メール便onoff", u"0"},
    {u"Section発送", u"メール便default", u"0"},
    {u"Section発送", u"宅急便onoff", u"1"},
    {u"Section発送", u"宅急便motikomi", u"0"},
    {u"Section発送", u"その他の運送会社onoff", u"0"},
    {u"Section発送", u"その他の運送会社text", u""},
    {u"Section発送", u"送料一律onoff", u"0"},
    {u"Section発送", u"送料一律text", u""},
    {u"Section発送", u"最安値onoff", u"0"},
    {u"Section基本注意", u"setumeionoff", u"0"},
    {u"Section設定", u"editor", u"0"},
    {u"Section設定", u"myeditor", u""},
};

// The first-run title and heading styles (1) differ from what a missing key reads as (0).
constexpr DefaultValue kSettingDefaults[] = {
    {u"color", u"main", u"1"},         {u"color", u"userM", u"16777215"},
    {u"color", u"userS", u"16777215"}, {u"template", u"name", u"temp1.tmpl"},
    {u"disp", u"width", u"0"},         {u"disp", u"pos", u"0"},
    {u"font", u"ttlstyle", u"1"},      {u"font", u"ttlsize", u"1"},
    {u"font", u"ttlclr", u"0"},        {u"font", u"mdsstyle", u"1"},
    {u"font", u"mdssize", u"0"},       {u"font", u"mdsclr", u"0"},
    {u"font", u"srstyle", u"0"},       {u"font", u"srsize", u"0"},
    {u"font", u"srclr", u"0"},
};

// tiiki -1: no region chosen yet.
constexpr DefaultValue kBasicDefaults[] = {
    {u"haso", u"tiiki", u"-1"},       {u"yahoo", u"id", u""},        {u"yahoo", u"boothdisp", u"0"},
    {u"yahoo", u"boothselect", u"0"}, {u"yahoo", u"boothuser", u""},
};

using WriteOperation = void (Profiles::*)(const QString&, const QString&, const QString&) const;

void writeAll(const Profiles& profiles, WriteOperation write,
              std::span<const DefaultValue> values) {
    profiles.beginBatch();
    try {
        for (const DefaultValue& v : values)
            (profiles.*write)(QString::fromUtf16(v.section), QString::fromUtf16(v.key),
                              QString::fromUtf16(v.value));
    } catch (...) {
        // What was written before the failure still reaches the file, then the failure goes on.
        try {
            profiles.commitBatch();
        } catch (...) {
        }
        throw;
    }
    profiles.commitBatch();
}

} // namespace

void CreateDefaultAuctionIni(const Profiles& profiles) {
    writeAll(profiles, &Profiles::WriteAuctionIni, kAuctionDefaults);
}

void CreateDefaultSettingIni(const Profiles& profiles) {
    writeAll(profiles, &Profiles::WriteSettingIni, kSettingDefaults);
}

void CreateDefaultBasicIni(const Profiles& profiles) {
    writeAll(profiles, &Profiles::WriteBasicIni, kBasicDefaults);
}

} // namespace profile
