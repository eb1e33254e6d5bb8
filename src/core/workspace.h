#pragma once

#include <QString>
#include <QStringView>

namespace core {

// The application folder and the fixed names below it. Every file the program keeps is
// reached as path(<one of these names>); the names use "/" and never start with one.
struct Workspace {
    static constexpr QStringView IniFolder = u"ini";
    static constexpr QStringView AuctionIni = u"ini/auction.ini";
    static constexpr QStringView SettingIni = u"ini/setting.ini";
    static constexpr QStringView BasicIni = u"ini/basic.ini";
    static constexpr QStringView PasswordFile = u"ini/psbin.dat";

    static constexpr QStringView TextFolder = u"text";
    static constexpr QStringView ShippingRatesFile = u"text/配送.txt";
    static constexpr QStringView RegionListFile = u"text/都道府県.txt";
    static constexpr QStringView NotesPhraseFile = u"text/注意事項.txt";
    static constexpr QStringView PaymentPhraseFile = u"text/支払い説明.txt";
    static constexpr QStringView ShippingPhraseFile = u"text/発送説明.txt";
    static constexpr QStringView StockPhraseFile = u"text/定型文.txt";
    static constexpr QStringView LinkInfoFile = u"text/リンク情報.txt";

    static constexpr QStringView DataFolder = u"data";
    static constexpr QStringView IndexFile = u"data/tm1.dat";
    static constexpr QStringView NextIndexFile = u"data/tm2.dat";
    static constexpr QStringView IndexUpdateBackup = u"data/tm1bak.csv";
    static constexpr QStringView IndexDeleteBackup = u"data/tm1bak.dat";
    static constexpr QStringView DraftFile = u"data/下書き.dat";
    static constexpr QStringView DataAfterFolder = u"data/after";
    // Where deleted listings go when the desktop trash cannot take them.
    static constexpr QStringView DeletedFolder = u"data/deleted";

    static constexpr QStringView UserDataFolder = u"userdata";
    static constexpr QStringView UserDataAfterFolder = u"userdata/after";

    static constexpr QStringView TemplateFolder = u"template";
    static constexpr QStringView PreviewFile = u"template/preview.html";

    // The folder of the program file, without a trailing "/".
    QString applicationFolder;

    // The application folder joined with `relative` by a "/".
    QString path(QStringView relative) const;
};

} // namespace core
