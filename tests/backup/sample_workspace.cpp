#include "sample_workspace.h"

#include "backup/backup.h"
#include "platform/cp932.h"
#include "platform/full_width.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

using namespace Qt::StringLiterals;

QDateTime writeSampleWorkspace(const QString& applicationFolder, int listings) {
    const auto put = [&](const QString& relative, const QStringList& lines) {
        const QString path = applicationFolder + u'/' + relative;
        QDir().mkpath(path.section(u'/', 0, -2));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write %s", qPrintable(path));
        for (const QString& line : lines)
            file.write(platform::toCp932(line, platform::Unmappable::Refuse) + "\r\n");
    };
    put(u"ini/auction.ini"_s, {u"[Section支払い]"_s, u"bk1name=三井"_s});
    put(u"ini/basic.ini"_s, {u"[basic]"_s, u"tiiki=12"_s});
    QFile password(applicationFolder + u"/ini/psbin.dat"_s);
    password.open(QIODevice::WriteOnly);
    for (int b = 0; b < 256; ++b) // every byte value, and data that does not compress
        password.putChar(char(b));
    password.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    // 0x5C and U+FF5E: bytes a careless conversion changes.
    put(u"text/注意事項.txt"_s, {u"●ノークレーム・ノーリターン～"_s, u"C:\\表示"_s});
    put(u"text/空.txt"_s, {});
    put(u"template/temp1.tmpl"_s, {u"<%pos>"_s, u"<td>商品詳細 %str1</td>"_s});
    put(u"template/preview.html"_s, {u"<html>プレビュー</html>"_s});
    QDir().mkpath(applicationFolder + u"/template/画像"_s);
    put(u"data/下書き.dat"_s, {u"下書きの説明"_s});

    QStringList index{u"\"0\",\"\",\"\",#2024-01-01 10:00:00#"_s,
                      u"1,\"下書き\",\"下書き.dat\",#2030-01-01 00:00:00#"_s};
    QDateTime newest(QDate(2024, 1, 5), QTime(9, 30));
    for (int i = 1; i <= listings; ++i) {
        newest = newest.addSecs(60);
        const QString stamp = newest.toString(u"yyyyMMddHHmmss"_s);
        const QString at = newest.toString(u"#yyyy-MM-dd HH:mm:ss#"_s);
        const QString title = u"赤い傘 No.%1 ｶﾞｰﾃﾞﾝ"_s.arg(i);
        const bool listed = i % 2 == 0;
        const QString after = listed ? u"after/"_s : QString();
        index << u"%1,\"%2\",\"%3\",%4"_s.arg(listed ? 3 : 2).arg(title, stamp, at);
        put(u"data/"_s + after + stamp + u".dat"_s, {u"1,2,-1,0,1,0,\"\",0,\"\",1,"_s + at});
        put(u"data/"_s + after + stamp + u".txt"_s, {title, u"未使用品です。"_s});
        put(u"userdata/"_s + after + platform::toFullWidth(title) + u".html"_s, {title});
    }
    put(u"data/tm1.dat"_s, index);
    put(u"data/tm2.dat"_s, index);
    return newest;
}

QMap<QString, QByteArray> workspaceTree(const QString& applicationFolder) {
    QMap<QString, QByteArray> tree;
    for (QStringView folder : backup::kWorkspaceFolders) {
        QDirIterator it(applicationFolder + u'/' + folder.toString(),
                        QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile file(it.next());
            tree[file.fileName().mid(applicationFolder.size() + 1)] =
                it.fileInfo().isDir()            ? "<folder>"
                : file.open(QIODevice::ReadOnly) ? file.readAll()
                                                 : "<unreadable>";
        }
    }
    return tree;
}
