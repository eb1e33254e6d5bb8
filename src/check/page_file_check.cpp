#include "page_file_check.h"

#include <QFile>

namespace check {

std::optional<QList<Finding>> checkPageFile(const core::Workspace& workspace,
                                            const QString& pagePath) {
    QFile page(pagePath);
    if (!page.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = page.readAll();
    if (page.error() != QFileDevice::NoError)
        return std::nullopt;
    return checkPage(bytes, readCheckSettings(workspace.path(core::Workspace::SettingIni)));
}

} // namespace check
