// The findings list on its own: a long list is cut short, and the line that says so is no
// finding to go to.
#include "web/findings_list.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QListWidget>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct Case {
    int findings;
    int entries;      // rows of the list
    QString lastLine; // the text of its last row
};
void PrintTo(const Case& c, std::ostream* os) {
    *os << c.findings << " findings";
}

class LongFindingsList : public ::testing::TestWithParam<Case> {};

TEST_P(LongFindingsList, ShowsTheFirst200AndCountsTheRest) {
    QList<check::Finding> findings;
    for (int i = 1; i <= GetParam().findings; ++i)
        findings << check::Finding{check::Severity::Warning, check::FindingKind::PhoneNumber, i,
                                   u"090-0000-%1"_s.arg(i, 4, 10, QChar(u'0')), u"消します"_s};
    web::FindingsList panel;
    panel.setFindings(findings);
    auto* list = panel.findChild<QListWidget*>(u"FindingsList"_s);
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->count(), GetParam().entries);
    EXPECT_EQ(list->item(list->count() - 1)->text().section(u'\n', 0, 0), GetParam().lastLine);

    // The count line goes nowhere; the entry before it goes to its own finding.
    QSignalSpy picked(&panel, &web::FindingsList::findingActivated);
    list->setCurrentRow(199);
    QTest::keyClick(list, Qt::Key_Return);
    if (list->count() > 200) {
        list->setCurrentRow(200);
        QTest::keyClick(list, Qt::Key_Return);
    }
    ASSERT_EQ(picked.size(), 1);
    EXPECT_EQ(picked.at(0).at(0).toInt(), 199);
}

INSTANTIATE_TEST_SUITE_P(
    Counts, LongFindingsList,
    ::testing::Values(Case{200, 200, u"警告　200行目　090-0000-0200"_s},
                      Case{201, 201, u"ほか 1 件"_s},
                      // Took half a minute to show before the list was cut short.
                      Case{50000, 201, u"ほか 49,800 件"_s}));

// The heading counts each severity that occurs, and names none that does not.
TEST(FindingsSummary, CountsOnlyTheSeveritiesThatOccur) {
    using check::Severity;
    const auto finding = [](Severity severity) {
        return check::Finding{severity, check::FindingKind::PhoneNumber, 1, u"x"_s, u"y"_s};
    };
    web::FindingsList panel;
    auto* summary = panel.findChild<QLabel*>(u"FindingsSummary"_s);
    ASSERT_NE(summary, nullptr);
    panel.setFindings(
        {finding(Severity::Notice), finding(Severity::Error), finding(Severity::Error)});
    EXPECT_EQ(summary->text(), u"ページのチェック：エラー 2件、確認 1件"_s);
    panel.setFindings({finding(Severity::Warning)});
    EXPECT_EQ(summary->text(), u"ページのチェック：警告 1件"_s);
}

// The n-th finding of a text goes to the n-th place the page has that text.
TEST(FindingScroll, CountsTheSameTextBeforeTheFindingPicked) {
    QList<check::Finding> findings;
    for (const QString& text : {u"090"_s, u"080"_s, u"090"_s, u"090"_s})
        findings << check::Finding{check::Severity::Warning, check::FindingKind::PhoneNumber, 1,
                                   text, u"消します"_s};
    QList<int> occurrences;
    for (int index = 0; index < findings.size(); ++index) {
        const QString script = web::findingScrollScript(findings, index);
        const QString argument = script.mid(script.lastIndexOf(u"})("_s) + 3).chopped(1);
        occurrences << QJsonDocument::fromJson(argument.toUtf8()).object()[u"occurrence"_s].toInt();
    }
    EXPECT_EQ(occurrences, (QList<int>{0, 0, 1, 2}));
}

} // namespace
