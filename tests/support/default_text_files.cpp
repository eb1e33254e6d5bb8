#include "default_text_files.h"

#include "content/profile_bindings.h"
#include "platform/text_file.h"

#include <QDir>

using namespace Qt::Literals::StringLiterals;

QStringList defaultRegionLines() {
    return {u"北海道"_s, u"青森県"_s,   u"岩手県"_s, u"宮城県"_s,   u"秋田県"_s, u"山形県"_s,
            u"福島県"_s, u"茨城県"_s,   u"栃木県"_s, u"群馬県"_s,   u"埼玉県"_s, u"千葉県"_s,
            u"東京都"_s, u"神奈川県"_s, u"山梨県"_s, u"長野県"_s,   u"新潟県"_s, u"富山県"_s,
            u"石川県"_s, u"福井県"_s,   u"岐阜県"_s, u"静岡県"_s,   u"愛知県"_s, u"三重県"_s,
            u"滋賀県"_s, u"京都府"_s,   u"大阪府"_s, u"兵庫県"_s,   u"奈良県"_s, u"和歌山県"_s,
            u"鳥取県"_s, u"島根県"_s,   u"岡山県"_s, u"広島県"_s,   u"山口県"_s, u"徳島県"_s,
            u"香川県"_s, u"愛媛県"_s,   u"高知県"_s, u"福岡県"_s,   u"佐賀県"_s, u"長崎県"_s,
            u"熊本県"_s, u"大分県"_s,   u"宮崎県"_s, u"鹿児島県"_s, u"沖縄県"_s};
}

QStringList defaultLinkLines() {
    return {
        uR"(<a href="https://post.example/cgi-simulator/youpack.php" target="_blank">ゆうパック料金表はこちらで</a>)"_s,
        uR"(<a href="https://carrier.example/estimate/kanto.html" target="_blank">宅急便料金表はこちらで</a>)"_s,
        uR"(<a href="https://auction.example/jp/booth/%yahooid" target="_blank"><img alt="マイ・オークションをごらんください" SRC=https://auction.example/button.gif></a>)"_s,
        uR"(<a href="https://auction.example/jp/booth/%yahooid" target="_blank"><img alt="マイ・オークションをごらんください" SRC=https://auction.example/banner.gif></a>)"_s,
        uR"(<a href="https://boon.example/hacoboon/hb26" target="_blank">はこBOON料金表はこちらで</a>)"_s,
    };
}

QStringList defaultRateLines() {
    QStringList lines;
    const auto add = [&lines](const QString& name, const QStringList& rows) {
        for (const QString& row : rows)
            lines << name + u',' + row;
    };
    add(u"定形郵便物"_s, {u"25,80,0"_s, u"50,90,0"_s});
    add(u"定形外郵便物"_s,
        {u"50,120,90"_s, u"100,140,90"_s, u"150,200,90"_s, u"250,240,90"_s, u"500,390,90"_s,
         u"1000,580,90"_s, u"2000,850,90"_s, u"4000,1150,90"_s});
    add(u"レターパック350"_s, {u"4000,350,3"_s});
    add(u"レターパック500"_s, {u"4000,500,4"_s});
    add(u"ゆうメール"_s, {u"150,180,0"_s, u"250,210,0"_s, u"500,290,0"_s, u"1000,340,0"_s,
                          u"2000,450,0"_s, u"3000,590,0"_s});
    add(u"メール便A4"_s, {u"1000,80,1"_s, u"1000,160,2"_s});
    add(u"メール便B4"_s, {u"1000,160,1"_s, u"1000,240,2"_s});
    add(u"宅急便"_s, {u"2000,0,60"_s, u"5000,0,80"_s, u"10000,0,100"_s, u"15000,0,120"_s,
                      u"20000,0,140"_s, u"25000,0,160"_s});
    add(u"ゆうパック"_s, {u"0,0,60"_s, u"0,0,80"_s, u"0,0,100"_s, u"0,0,120"_s, u"0,0,140"_s,
                          u"0,0,160"_s, u"0,0,170"_s});
    add(u"はこBOON"_s, {u"2000,0,160"_s, u"5000,0,160"_s, u"10000,0,160"_s, u"15000,0,160"_s,
                        u"20000,0,160"_s, u"25000,0,160"_s});
    return lines;
}

QStringList defaultPaymentExplanationLines() {
    return {u"落札後3日以内にお支払いください。"_s, u"振込手数料はご負担ください。"_s};
}

QStringList defaultShippingExplanationLines() {
    return {u"入金確認後2日以内に発送します。"_s};
}

QStringList defaultNotesLines() {
    return {u"ノークレーム・ノーリターンでお願いします。"_s};
}

void writeDefaultTextFiles(const QString& applicationFolder) {
    QDir(applicationFolder).mkpath(u"text"_s);
    const QString text = applicationFolder + u"/text/"_s;
    platform::writeTextLines(text + u"都道府県.txt"_s, defaultRegionLines());
    platform::writeTextLines(text + u"リンク情報.txt"_s, defaultLinkLines());
    platform::writeTextLines(text + u"配送.txt"_s, defaultRateLines());
    platform::writeTextLines(text + u"支払い説明.txt"_s, defaultPaymentExplanationLines());
    platform::writeTextLines(text + u"発送説明.txt"_s, defaultShippingExplanationLines());
    platform::writeTextLines(text + u"注意事項.txt"_s, defaultNotesLines());
}

void writeFirstRunProfiles(const QString& applicationFolder) {
    QDir(applicationFolder).mkpath(u"ini"_s);
    const profile::Profiles profiles(applicationFolder);
    content::CreateDefaultAuctionIni(profiles);
    content::CreateDefaultSettingIni(profiles);
    content::CreateDefaultBasicIni(profiles);
}
