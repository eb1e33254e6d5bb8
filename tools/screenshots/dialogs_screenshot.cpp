// Developer tool, not a test: pictures of the open-listing, about and listing-guide dialogs
// with sample content, so their layout can be looked at with real fonts.
//   dialogs_screenshot <output folder>
#include "screenshot_tool.h"
#include "ui/desktop/app_style.h"
#include "ui/desktop/system_clipboard.h"
#include "ui/dialogs/open_cmp_dialog.h"
#include "ui/dialogs/syupin_dialog.h"
#include "ui/dialogs/version_dialog.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QLabel>
#include <QPixmap>
#include <QTest>

namespace {

void save(QWidget& dialog, const QString& folder, const QString& name) {
    dialog.show();
    QTest::qWait(200);
    dialog.grab().save(folder + u'/' + name + QStringLiteral(".png"));
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ui::applyApplicationStyle(app);
    const QString folder = screenshotFolder(argc, argv, QStringLiteral("."));

    const QDateTime at(QDate(2024, 1, 5), QTime(9, 30));
    ui::OpenCMPDialog open({{QStringLiteral("置き時計 昭和レトロ"), at},
                            {QStringLiteral("腕時計"), at.addDays(3)},
                            {QStringLiteral("腕時計"), at.addDays(40)}});
    save(open, folder, QStringLiteral("open_cmp_dialog"));
    ui::VersionDialog about(QStringLiteral("/home/seller/.local/share/TomoeA"));
    save(about, folder, QStringLiteral("version_dialog"));
    // A plain label where the program shows the page in the web engine.
    auto* page = new QLabel(QStringLiteral("（ページの表示）"));
    page->setAlignment(Qt::AlignCenter);
    ui::SystemClipboard clipboard;
    ui::SyupinDialog guide(QStringLiteral("置き時計 昭和レトロ"),
                           QStringLiteral("<table>価格 1,980円</table>"), page, clipboard);
    save(guide, folder, QStringLiteral("syupin_dialog"));
    return 0;
}
