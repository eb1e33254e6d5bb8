// A page made from the phone template, in the real engine: at a phone's width nothing
// scrolls sideways, at a PC's the payment and shipping boxes stand side by side.
#include "page/assemble_page.h"
#include "page/built_in_templates.h"
#include "scripted_prompter.h"
#include "temp_app_folder.h"
#include "web/webengine_loader.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QTest>
#include <QWebEngineScript>
#include <QWebEngineView>
#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;

// Runs `script` in the program's own world: the page's own scripts are off.
QVariant evaluate(QWebEngineView* view, const QString& script) {
    QVariant result;
    bool done = false;
    view->page()->runJavaScript(script, QWebEngineScript::ApplicationWorld,
                                [&](const QVariant& value) {
                                    result = value;
                                    done = true;
                                });
    EXPECT_TRUE(QTest::qWaitFor([&] { return done; }, 10000));
    return result;
}

struct Layout {
    int scrollWidth = 0;
    bool sideBySide = false; // the shipping box beside the payment box, not below it
};

// Once the page has loaded and taken the view's width.
Layout layoutIn(QWebEngineView* view) {
    const QString script = uR"((function () {
        var boxes = document.querySelectorAll('.t4-row > .t4-box');
        if (boxes.length < 2 || document.readyState !== 'complete') return [];
        var pay = boxes[0].getBoundingClientRect(), ship = boxes[1].getBoundingClientRect();
        return [document.documentElement.scrollWidth, ship.top < pay.bottom, innerWidth];
    })())"_s;
    QVariantList values;
    const bool loaded = QTest::qWaitFor(
        [&] {
            values = evaluate(view, script).toList();
            return values.size() == 3 && values[2].toInt() == view->width();
        },
        20000);
    if (!loaded) {
        ADD_FAILURE() << "the page did not load at the view's width";
        return {};
    }
    return {values[0].toInt(), values[1].toBool()};
}

// The page width setting: "640", "800", "100%".
class PhoneTemplate : public ::testing::TestWithParam<int> {
protected:
    static void SetUpTestSuite() { s_loader = new web::WebEngineLoader; }
    static void TearDownTestSuite() { delete s_loader; }

    // A listing with what tends to push a page wide: a long unbroken address, a wide table
    // and a wide image in the description.
    QString writePage() {
        m_folder.writeLines(u"template/temp4.tmpl"_s, page::builtInTemplate4Lines());
        page::PageInputs inputs;
        inputs.style.width = GetParam();
        inputs.record.TextBoxタイトル = u"未使用 腕時計 箱付き"_s;
        inputs.record.TextBox商品説明 =
            u"未使用品です。\r\nhttps://example.org/a-very-long-address-without-any-break-in-it/"
            u"that-goes-on-and-on-and-on\r\n<table width=640 border=1><tr><td>サイズ</td>"
            u"<td>幅 40 mm</td></tr></table><img src=\"https://example.org/a.jpg\" width=800 "
            u"height=600>"_s;
        inputs.record.Label支払い方法 = u"・Yahoo!かんたん決済"_s;
        inputs.record.Label送料1 = u"・ゆうパック60サイズ　・クロネコ宅急便60サイズ　"_s;
        inputs.record.Text支払説明 = u"落札価格 + 送料 がお支払い金額となります。"_s;
        inputs.record.Text発送注意事項 = u"配送時の事故等については当方は一切責任を負えません。"_s;
        inputs.record.Text注意事項 = u"●ノークレーム・ノーリターンでお願いします。"_s;
        inputs.templatePath = m_folder.path(u"template/temp4.tmpl"_s);
        inputs.outputPath = m_folder.path(u"template/preview.html"_s);
        ScriptedPrompter prompter;
        page::AssemblePage(inputs, prompter);
        EXPECT_EQ(prompter.texts, QStringList());
        return inputs.outputPath;
    }

    static inline web::WebEngineLoader* s_loader = nullptr;
    TempAppFolder m_folder;
};

TEST_P(PhoneTemplate, FitsAPhoneAndSetsTheBoxesSideBySideOnAPc) {
    std::unique_ptr<web::Browser> browser = s_loader->createBrowser(web::BrowserKind::Page);
    browser->navigate(writePage());
    browser->setVisible(true);
    ASSERT_TRUE(browser->waitForPage());
    QWidget* window = nullptr;
    for (QWidget* shown : QApplication::topLevelWidgets())
        if (shown->objectName() == u"BrowserWindow" && shown->isVisible())
            window = shown;
    ASSERT_NE(window, nullptr);
    auto* toggle = window->findChild<QAbstractButton*>(u"BrowserPhoneButton"_s);
    toggle->click();
    auto* phone = window->findChild<QWebEngineView*>(u"BrowserPhoneView"_s);
    ASSERT_NE(phone, nullptr);
    ASSERT_EQ(phone->width(), 375);
    const Layout onPhone = layoutIn(phone);
    EXPECT_LE(onPhone.scrollWidth, 375);
    EXPECT_FALSE(onPhone.sideBySide);
    if (const QString folder = qEnvironmentVariable("TOMOEA_SCREENSHOT_DIR"); !folder.isEmpty())
        window->grab().save(QDir(folder).filePath(u"temp4_phone_%1.png"_s.arg(GetParam())));

    // The PC view alone, at the width of the window.
    toggle->click();
    auto* pc = window->findChild<QWebEngineView*>(u"BrowserView"_s);
    window->resize(1000, 700);
    ASSERT_TRUE(QTest::qWaitFor([&] { return pc->width() >= 640; }, 5000)) << pc->width();
    const Layout onPc = layoutIn(pc);
    EXPECT_LE(onPc.scrollWidth, pc->width());
    EXPECT_TRUE(onPc.sideBySide);
    delete window;
}

INSTANTIATE_TEST_SUITE_P(Widths, PhoneTemplate, ::testing::Values(0, 1, 2));

} // namespace
