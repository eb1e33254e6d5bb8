#include "check/page_check_task.h"
#include "check/page_file_check.h"
#include "temp_app_folder.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>
#include <QThreadPool>
#include <gtest/gtest.h>
#include <memory>

using namespace Qt::StringLiterals;

// The [check] settings come from the application folder; a page that cannot be read gives no
// verdict, since an empty list would read as "nothing found" beside an error page.
TEST(PageFileCheck, ReadsTheFolderSettingsAndGivesNoVerdictWithoutAPage) {
    TempAppFolder app;
    const core::Workspace workspace{app.path()};
    const QString page = app.path(u"template/preview.html"_s);
    EXPECT_EQ(check::checkPageFile(workspace, page), std::nullopt);
    app.writeLines(u"template/preview.html"_s, {u"<p>未使用品です。</p>"_s});
    EXPECT_EQ(check::checkPageFile(workspace, page), QList<check::Finding>{});
    app.writeLines(u"ini/setting.ini"_s, {u"[check]"_s, u"maxbytes=10"_s});
    const auto findings = check::checkPageFile(workspace, page);
    ASSERT_EQ(findings.value_or(QList<check::Finding>{}).size(), 1);
    EXPECT_EQ(findings->at(0).kind, check::FindingKind::PageTooLarge);
}

// The window hands the check to another thread; the findings must come back on the window's
// thread, and never to a page view that is gone by then.
TEST(PageFileCheckLater, HandsTheFindingsBackOnlyToAReceiverStillThere) {
    int argc = 0;
    QCoreApplication application(argc, nullptr);
    TempAppFolder app;
    const core::Workspace workspace{app.path()};
    const QString page = app.path(u"template/preview.html"_s);
    app.writeLines(u"template/preview.html"_s, {u"<p>TEL 03-1234-5678</p>"_s});

    QObject receiver;
    std::optional<QList<check::Finding>> shown;
    QThread* shownOn = nullptr;
    check::checkPageFileLater(workspace, page, &receiver, [&](const QList<check::Finding>& f) {
        shown = f;
        shownOn = QThread::currentThread();
    });
    int handedToGone = 0;
    auto gone = std::make_unique<QObject>();
    check::checkPageFileLater(workspace, page, gone.get(),
                              [&](const QList<check::Finding>&) { ++handedToGone; });
    gone.reset();
    check::checkPageFileLater(workspace, app.path(u"template/none.html"_s), &receiver,
                              [&](const QList<check::Finding>&) { ++handedToGone; });

    const QDeadlineTimer deadline(10'000);
    while (!shown && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    QThreadPool::globalInstance()->waitForDone();
    QCoreApplication::processEvents();
    ASSERT_EQ(shown.value_or(QList<check::Finding>{}).size(), 1);
    EXPECT_EQ(shown->at(0).kind, check::FindingKind::PhoneNumber);
    EXPECT_EQ(shownOn, application.thread());
    EXPECT_EQ(handedToGone, 0);
}
