// The findings list on its own: a long list is cut short, and the line that says so is no
// finding to go to.
#include "web/findings_list.h"

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

} // namespace
