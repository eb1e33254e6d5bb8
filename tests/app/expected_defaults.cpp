#include "expected_defaults.h"

using namespace Qt::StringLiterals;

namespace expected {

QStringList template1() {
    return {
        u"<%pos>"_s,
        u"<table width=%width bgcolor=%maincolor cellspacing=0 cellpadding=2><tr><td bgcolor=%maincolor align=%pos>%title</td></tr></table><br>"_s,
        u"<table width=%width bgcolor=%maincolor cellspacing=0 cellpadding=2><tr><td><table width=100% border=0 cellspacing=0 cellpadding=6><tr><td bgcolor=%maincolor align=left>商品詳細</td></tr><tr><td bgcolor=%subcolor align=left>%str1</td></tr></table></td></tr></table><br>"_s,
        u"<table width=%width bgcolor=%maincolor cellspacing=0 cellpadding=2><tr><td><table width=100% border=0 cellspacing=0 cellpadding=6><tr><td bgcolor=%maincolor align=left>支払詳細</td></tr><tr><td bgcolor=%subcolor align=left>%str2<br>%str3</td></tr></table></td></tr></table><br>"_s,
        u"<table width=%width bgcolor=%maincolor cellspacing=0 cellpadding=2><tr><td><table width=100% border=0 cellspacing=0 cellpadding=6><tr><td bgcolor=%maincolor align=left>発送詳細</td></tr><tr><td bgcolor=%subcolor align=left>%str4<br>%str5</td></tr></table></td></tr></table><br>"_s,
        u"<table width=%width bgcolor=%maincolor cellspacing=0 cellpadding=2><tr><td><table width=100% border=0 cellspacing=0 cellpadding=6><tr><td bgcolor=%maincolor align=left>注意事項</td></tr><tr><td bgcolor=%subcolor align=left>%str6</td></tr></table></td></tr></table>"_s,
        u"</%pos>"_s,
    };
}

QStringList template2() {
    return {
        u"<%pos>"_s,
        u"<table width=%width bgcolor=#ffffff cellspacing=1 cellpadding=5>"_s,
        u"<tr><td bgcolor=%maincolor colspan=2 align=%pos>%title</td></tr>"_s,
        u"<tr><td bgcolor=%maincolor align=center width=20%>商品詳細</td><td bgcolor=%subcolor align=left>%str1</td></tr>"_s,
        u"<tr><td bgcolor=%maincolor align=center width=20%>支払詳細</td><td bgcolor=%subcolor align=left>%str2<br>%str3</td></tr>"_s,
        u"<tr><td bgcolor=%maincolor align=center width=20%>発送詳細</td><td bgcolor=%subcolor align=left>%str4<br>%str5</td></tr>"_s,
        u"<tr><td bgcolor=%maincolor align=center width=20%>注意事項</td><td bgcolor=%subcolor align=left>%str6</td></tr>"_s,
        u"</table>"_s,
        u"</%pos>"_s,
    };
}

QStringList template3() {
    return {
        u"<%pos>"_s,
        u"<table width=%width cellpadding=5>"_s,
        u"<tr><td bgcolor=%maincolor>%title</td></tr>"_s,
        u"<tr><td bgcolor=%maincolor>商品詳細</td></tr><tr><td bgcolor=%subcolor align=left>%str1<br></td></tr>"_s,
        u"<tr><td bgcolor=%maincolor>支払詳細</td></tr><tr><td bgcolor=%subcolor align=left>%str2<br>%str3</td></tr>"_s,
        u"<tr><td bgcolor=%maincolor>発送詳細</td></tr><tr><td bgcolor=%subcolor align=left>%str4<br>%str5</td></tr>"_s,
        u"<tr><td bgcolor=%maincolor>注意事項</td></tr><tr><td bgcolor=%subcolor align=left>%str6</td></tr>"_s,
        u"</table>"_s,
        u"</%pos>"_s,
    };
}

QStringList shippingRates() {
    // Each service followed by its rows, separated by " · " as in a rate sheet.
    const QStringList groups = {
        u"定形郵便物|25,80,0 · 50,90,0"_s,
        u"定形外郵便物|50,120,90 · 100,140,90 · 150,200,90 · 250,240,90 · 500,390,90 · 1000,580,90 · 2000,850,90 · 4000,1150,90"_s,
        u"レターパック350|4000,350,3"_s,
        u"レターパック500|4000,500,4"_s,
        u"ゆうメール|150,180,0 · 250,210,0 · 500,290,0 · 1000,340,0 · 2000,450,0 · 3000,590,0"_s,
        u"メール便A4|1000,80,1 · 1000,160,2"_s,
        u"メール便B4|1000,160,1 · 1000,240,2"_s,
        u"宅急便|2000,0,60 · 5000,0,80 · 10000,0,100 · 15000,0,120 · 20000,0,140 · 25000,0,160"_s,
        u"ゆうパック|0,0,60 · 0,0,80 · 0,0,100 · 0,0,120 · 0,0,140 · 0,0,160 · 0,0,170"_s,
        u"はこBOON|2000,0,160 · 5000,0,160 · 10000,0,160 · 15000,0,160 · 20000,0,160 · 25000,0,160"_s,
    };
    QStringList lines;
    for (const QString& group : groups) {
        const QStringList nameAndRows = group.split(u'|');
        for (const QString& row : nameAndRows[1].split(u" · "_s))
            lines << nameAndRows[0] + u',' + row;
    }
    return lines;
}

QStringList regions() {
    return u"北海道, 青森県, 岩手県, 宮城県, 秋田県, 山形県, 福島県, 茨城県, 栃木県, 群馬県, 埼玉県, 千葉県, 東京都, 神奈川県, 山梨県, 長野県, 新潟県, 富山県, 石川県, 福井県, 岐阜県, 静岡県, 愛知県, 三重県, 滋賀県, 京都府, 大阪府, 兵庫県, 奈良県, 和歌山県, 鳥取県, 島根県, 岡山県, 広島県, 山口県, 徳島県, 香川県, 愛媛県, 高知県, 福岡県, 佐賀県, 長崎県, 熊本県, 大分県, 宮崎県, 鹿児島県, 沖縄県"_s
        .split(u", "_s);
}

QStringList linkLinesWithTokens() {
    return {
        u"<a href=\"ADDR_YUPACK\" target=\"_blank\">ゆうパック料金表はこちらで</a>"_s,
        u"<a href=\"ADDR_TAKKYUBIN\" target=\"_blank\">宅急便料金表はこちらで</a>"_s,
        u"<a href=\"ADDR_BOOTH\" target=\"_blank\"><img alt=\"マイ・オークションをごらんください\" SRC=ADDR_BUTTON_IMAGE></a>"_s,
        u"<a href=\"ADDR_BOOTH\" target=\"_blank\"><img alt=\"マイ・オークションをごらんください\" SRC=ADDR_BANNER_IMAGE></a>"_s,
        u"<a href=\"ADDR_HACOBOON\" target=\"_blank\">はこBOON料金表はこちらで</a>"_s,
    };
}

} // namespace expected
