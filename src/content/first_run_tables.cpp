#include "first_run_tables.h"

#include <utility>
#include <vector>

using namespace Qt::StringLiterals;

namespace content {

QStringList firstRunShippingRateLines() {
    // Each service's rows in the order the rate table reads them.
    const std::vector<std::pair<QString, QStringList>> services = {
        {u"定形郵便物"_s, {u"25,80,0"_s, u"50,90,0"_s}},
        {u"定形外郵便物"_s,
         {u"50,120,90"_s, u"100,140,90"_s, u"150,200,90"_s, u"250,240,90"_s, u"500,390,90"_s,
          u"1000,580,90"_s, u"2000,850,90"_s, u"4000,1150,90"_s}},
        {u"レターパック350"_s, {u"4000,350,3"_s}},
        {u"レターパック500"_s, {u"4000,500,4"_s}},
        {u"ゆうメール"_s,
         {u"150,180,0"_s, u"250,210,0"_s, u"500,290,0"_s, u"1000,340,0"_s, u"2000,450,0"_s,
          u"3000,590,0"_s}},
        {u"メール便A4"_s, {u"1000,80,1"_s, u"1000,160,2"_s}},
        {u"メール便B4"_s, {u"1000,160,1"_s, u"1000,240,2"_s}},
        {u"宅急便"_s,
         {u"2000,0,60"_s, u"5000,0,80"_s, u"10000,0,100"_s, u"15000,0,120"_s, u"20000,0,140"_s,
          u"25000,0,160"_s}},
        {u"ゆうパック"_s,
         {u"0,0,60"_s, u"0,0,80"_s, u"0,0,100"_s, u"0,0,120"_s, u"0,0,140"_s, u"0,0,160"_s,
          u"0,0,170"_s}},
        {u"はこBOON"_s,
         {u"2000,0,160"_s, u"5000,0,160"_s, u"10000,0,160"_s, u"15000,0,160"_s, u"20000,0,160"_s,
          u"25000,0,160"_s}},
    };
    QStringList lines;
    for (const auto& [service, rows] : services)
        for (const QString& row : rows)
            lines << service + u',' + row;
    return lines;
}

QStringList firstRunRegionLines() {
    // The seller's region is stored as a position in this list, so the order is fixed.
    return {
        u"北海道"_s, u"青森県"_s,   u"岩手県"_s, u"宮城県"_s,   u"秋田県"_s, u"山形県"_s,
        u"福島県"_s, u"茨城県"_s,   u"栃木県"_s, u"群馬県"_s,   u"埼玉県"_s, u"千葉県"_s,
        u"東京都"_s, u"神奈川県"_s, u"山梨県"_s, u"長野県"_s,   u"新潟県"_s, u"富山県"_s,
        u"石川県"_s, u"福井県"_s,   u"岐阜県"_s, u"静岡県"_s,   u"愛知県"_s, u"三重県"_s,
        u"滋賀県"_s, u"京都府"_s,   u"大阪府"_s, u"兵庫県"_s,   u"奈良県"_s, u"和歌山県"_s,
        u"鳥取県"_s, u"島根県"_s,   u"岡山県"_s, u"広島県"_s,   u"山口県"_s, u"徳島県"_s,
        u"香川県"_s, u"愛媛県"_s,   u"高知県"_s, u"福岡県"_s,   u"佐賀県"_s, u"長崎県"_s,
        u"熊本県"_s, u"大分県"_s,   u"宮崎県"_s, u"鹿児島県"_s, u"沖縄県"_s,
    };
}

QStringList firstRunLinkInfoLines() {
    // The file is read as comma-separated pieces, so no line may hold a comma. Page assembly
    // finds the lines by the words in them; "%yahooid" becomes the seller's auction ID.
    return {
        u"<a href=\"https://www.post.japanpost.jp/cgi-simulator/youpack.php\" "
        u"target=\"_blank\">ゆうパック料金表はこちらで</a>"_s,
        u"<a href=\"https://www.kuronekoyamato.co.jp/estimate/kanto.html\" "
        u"target=\"_blank\">宅急便料金表はこちらで</a>"_s,
        u"<a href=\"https://auctions.yahoo.co.jp/jp/booth/%yahooid\" target=\"_blank\"><img "
        u"alt=\"マイ・オークションをごらんください\" "
        u"SRC=https://auctions.yahoo.co.jp/button.gif></a>"_s,
        u"<a href=\"https://auctions.yahoo.co.jp/jp/booth/%yahooid\" target=\"_blank\"><img "
        u"alt=\"マイ・オークションをごらんください\" "
        u"SRC=https://auctions.yahoo.co.jp/banner.gif></a>"_s,
        u"<a href=\"https://www.hacoboon.com/hacoboon/hb26\" "
        u"target=\"_blank\">はこBOON料金表はこちらで</a>"_s,
    };
}

} // namespace content
