// Developer tool, not a test: shows the main window over a temporary workspace and saves
// one picture of each page, so the layout can be looked at with real fonts.
//   form1_screenshot <output folder>
#include "default_text_files.h"
#include "platform/prompter.h"
#include "screenshot_tool.h"
#include "ui/desktop/app_style.h"
#include "ui/form1/form1.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QScreen>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

namespace {

// Some choices, so the summaries on page 0 show what they look like when full and the
// lists show what a seller's saved settings put there.
void fillSampleChoices(ui::Form1& form) {
    const auto tick = [&form](const char* name) {
        if (auto* box = form.findChild<QCheckBox*>(QString::fromUtf8(name)))
            box->click();
    };
    const auto choose = [&form](const char* name, int position) {
        if (auto* combo = form.findChild<QComboBox*>(QString::fromUtf8(name))) {
            combo->setCurrentIndex(position);
            emit combo->activated(position);
        }
    };
    form.findChild<QLineEdit*>(QStringLiteral("TextBox銀行名1"))
        ->setText(QStringLiteral("みずほ銀行"));
    form.findChild<QLineEdit*>(QStringLiteral("TextBoxタイトル"))
        ->setText(QStringLiteral("赤い傘 新品"));
    for (const char* name :
         {"CheckBoxかんたん決済", "CheckBoxネットバンキング", "CheckBoxゆうちょ銀行",
          "CheckBox銀行1", "CheckBox現金書留", "CheckBox代金引換"})
        tick(name);
    choose("ComboBox商品サイズ", 0);
    choose("ComboBox商品重さ", 2);
    choose("ComboBoxクロネコメール便", 0);
    for (const char* name :
         {"CheckBox定形外郵便", "CheckBoxゆうメール", "CheckBoxレターパック350",
          "CheckBoxレターパック500", "CheckBoxゆうパック", "CheckBoxゆうパック持込割引",
          "CheckBoxクロネコ宅急便", "CheckBoxクロネコメール便_0"})
        tick(name);
    const std::pair<const char*, int> positions[] = {
        {"ComboTS1", 1},     {"ComboTS2", 1},       {"ComboMS1", 1},       {"ComboMS2", 0},
        {"ComboSR1", 0},     {"ComboSR2", 0},       {"ComboBox表示幅", 0}, {"ComboBox表示位置", 0},
        {"ComboMyBooth", 0}, {"Combo都道府県", 12},
    };
    for (const auto& [name, position] : positions)
        choose(name, position);
    for (const char* name : {"OptionButton1", "OptionBooth1"}) {
        if (auto* option = form.findChild<QAbstractButton*>(QString::fromUtf8(name)))
            option->click();
    }
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    ui::applyApplicationStyle(application);
    const QString output = screenshotFolder(argc, argv, QStringLiteral("screenshots"));

    QTemporaryDir workspace;
    writeDefaultTextFiles(workspace.path());
    writeFirstRunProfiles(workspace.path());
    PrintingPrompter prompter(true);
    ui::Form1 form(ui::Form1Services{workspace.path(), &prompter, nullptr, nullptr});
    form.move(0, 0);
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return 1;
    fillSampleChoices(form);

    auto* tabs = form.findChild<QTabWidget*>(QStringLiteral("SSTab1"));
    for (int page = 0; page < tabs->count(); ++page) {
        tabs->setCurrentIndex(page);
        QTest::qWait(200);
        const QPixmap picture = form.screen()->grabWindow(form.winId());
        const QString file = QStringLiteral("%1/page%2.png").arg(output).arg(page);
        if (!picture.save(file))
            return 1;
        std::printf("%s\n", qPrintable(file));
    }
    return 0;
}
