#include "backup.h"

#include <QLocale>

namespace backup {
namespace {

QString shownTime(const QDateTime& time) {
    return time.toString(QStringLiteral("yyyy/MM/dd HH:mm"));
}

} // namespace

QString defaultBackupFileName(const QDateTime& time) {
    return time.toString(QStringLiteral("'TomoeA-backup-'yyyyMMdd-HHmmss'.zip'"));
}

QString stepLabel(Step step) {
    switch (step) {
    case Step::Archiving:
        return QStringLiteral("バックアップを作成しています…");
    case Step::Checking:
        return QStringLiteral("バックアップの中身を確かめています…");
    case Step::Extracting:
        return QStringLiteral("バックアップを展開しています…");
    case Step::SavingCurrent:
        return QStringLiteral("いまのデータをバックアップしています…");
    case Step::Replacing:
        return QStringLiteral("データを置き換えています…");
    }
    return {};
}

QString restoreQuestion(const BackupSummary& summary) {
    QString listings = QStringLiteral("出品データ: %1 件")
                           .arg(QLocale(QLocale::Japanese).toString(summary.listingCount));
    if (summary.newestListing)
        listings +=
            QStringLiteral("（いちばん新しいもの %1）").arg(shownTime(*summary.newestListing));
    const QString created =
        summary.createdAt.isValid() ? shownTime(summary.createdAt) : QStringLiteral("不明");
    return QStringLiteral("作成日時: %1\n%2\n\n"
                          "いまのデータはすべて、このバックアップの内容に置き換わります"
                          "（置き換える前に、いまのデータを自動でバックアップします）。\n"
                          "復元しますか？")
        .arg(created, listings);
}

} // namespace backup
