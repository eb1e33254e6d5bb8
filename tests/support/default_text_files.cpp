#include "default_text_files.h"

#include "content/first_run_tables.h"
#include "content/profile_bindings.h"
#include "platform/text_file.h"

#include <QDir>

using namespace Qt::Literals::StringLiterals;

QStringList defaultRegionLines() {
    return content::firstRunRegionLines();
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
    return content::firstRunShippingRateLines();
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
