#include "ui/desktop/qt_dialogs.h"

#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QUrl>

namespace ui {

QString toQtFileFilter(const QString& filter) {
    if (!filter.contains(u'|'))
        return filter;
    const QStringList parts = filter.split(u'|');
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString patterns = parts[i + 1].split(u';', Qt::SkipEmptyParts).join(u' ');
        entries << parts[i] + QStringLiteral(" (") + patterns + u')';
    }
    return entries.join(QStringLiteral(";;"));
}

std::optional<QString> QtDialogs::openFile(const QString& title, const QString& folder,
                                           const QString& filter) {
    const QString path =
        QFileDialog::getOpenFileName(m_parent, title, folder, toQtFileFilter(filter));
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

std::optional<QString> QtDialogs::saveFile(const QString& title, const QString& path,
                                           const QString& filter) {
    const QString chosen =
        QFileDialog::getSaveFileName(m_parent, title, path, toQtFileFilter(filter));
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen;
}

bool QtDialogs::openFolder(const QString& folder) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}

std::optional<platform::ColourValue> QtDialogs::pickColour(platform::ColourValue current) {
    const QColor picked = QColorDialog::getColor(toQColor(current), m_parent);
    if (!picked.isValid())
        return std::nullopt;
    return fromQColor(picked);
}

} // namespace ui
