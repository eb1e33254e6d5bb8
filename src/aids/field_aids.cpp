#include "field_aids.h"

namespace aids {

QString UpdateTitleCounter(const QString& title) {
    const qsizetype left = kTitleLimit - title.size();
    if (left < 0)
        return QStringLiteral("文字数オーバー");
    return QStringLiteral("あと") + QString::number(left) + QStringLiteral("文字");
}

QString StripTitleQuotes(const QString& title) {
    QString stripped = title;
    return stripped.remove(u'"');
}

bool ClearDescription(platform::Prompter& prompter) {
    return prompter.ask(QStringLiteral("商品説明をクリアしますか？"));
}

} // namespace aids
