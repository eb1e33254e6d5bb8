#include "check/page_check.h"
#include "page/assemble_page.h"
#include "page/built_in_templates.h"
#include "scripted_prompter.h"
#include "temp_app_folder.h"

#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;
using check::FindingKind;
using check::Severity;

struct Template {
    QString name;
    QStringList (*lines)();
    int descriptionLine; // the line holding %str1
};
void PrintTo(const Template& t, std::ostream* os) {
    *os << t.name.toStdString();
}

class FirstRunPage : public ::testing::TestWithParam<Template> {
protected:
    // The page of a listing with the texts and page style of a first run (no region, no booth
    // banner) and the footer credit, from the built-in template.
    QList<check::Finding> checkedPage(const QString& description) {
        m_app.writeLines(u"template/"_s + GetParam().name, GetParam().lines());
        page::PageInputs inputs;
        inputs.record.TextBoxタイトル = u"未使用 腕時計 箱付き"_s;
        inputs.record.TextBox商品説明 = description;
        inputs.record.Label支払い方法 = u"・Yahoo!かんたん決済"_s;
        inputs.record.Label送料1 = u"・ゆうパック60サイズ　・クロネコ宅急便60サイズ　"_s;
        inputs.record.Text支払説明 = u"落札価格 + 送料 がお支払い金額となります。"_s;
        inputs.record.Text発送注意事項 = u"配送時の事故等については当方は一切責任を負えません。"_s;
        inputs.record.Check発送説明 = 1;
        inputs.record.Text注意事項 = u"●ノークレーム・ノーリターンでお願いします。"_s;
        inputs.homePage = u"https://example.org/tomoe/"_s;
        inputs.templatePath = m_app.path(u"template/"_s + GetParam().name);
        inputs.outputPath = m_app.path(u"template/preview.html"_s);
        ScriptedPrompter prompter;
        page::AssemblePage(inputs, prompter);
        EXPECT_EQ(prompter.texts, QStringList());
        return check::checkPage(m_app.readBytes(u"template/preview.html"_s), {});
    }

    TempAppFolder m_app;
};

TEST_P(FirstRunPage, HasNoFindings) {
    const QList<check::Finding> findings =
        checkedPage(u"未使用品です。\r\n箱と説明書が付いています。"_s);
    EXPECT_TRUE(findings.isEmpty()) << findings.value(0).text.toStdString();
}

TEST_P(FirstRunPage, ReportsExactlyWhatTheDescriptionAdds) {
    const QList<check::Finding> findings =
        checkedPage(u"<script>location.href='https://example.jp/'</script>\r\n"
                    u"<img src=\"http://img.example.jp/a.jpg\">\r\n"
                    u"お急ぎの方は 090-1234-5678 まで"_s);
    const int line = GetParam().descriptionLine;
    ASSERT_EQ(findings.size(), 3);
    EXPECT_EQ(findings[0].kind, FindingKind::ForbiddenElement);
    EXPECT_EQ(findings[0].severity, Severity::Error);
    EXPECT_EQ(findings[0].text, u"<script>"_s);
    EXPECT_EQ(findings[1].kind, FindingKind::InsecureImage);
    EXPECT_EQ(findings[1].text, u"src=\"http://img.example.jp/a.jpg\""_s);
    EXPECT_EQ(findings[2].kind, FindingKind::PhoneNumber);
    EXPECT_EQ(findings[2].text, u"090-1234-5678"_s);
    for (const check::Finding& finding : findings)
        EXPECT_EQ(finding.line, line) << finding.text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    BuiltIn, FirstRunPage,
    ::testing::Values(Template{u"temp1.tmpl"_s, page::builtInTemplate1Lines, 3},
                      Template{u"temp2.tmpl"_s, page::builtInTemplate2Lines, 4},
                      Template{u"temp3.tmpl"_s, page::builtInTemplate3Lines, 4},
                      Template{u"temp4.tmpl"_s, page::builtInTemplate4Lines, 5}));

} // namespace
