#include "form1_fixture.h"

#include "ui/desktop/app_style.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QTest>

SellersClipboard::SellersClipboard(const QString& text) : m_text(text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(text);
    m_writes = std::make_unique<QSignalSpy>(clipboard, &QClipboard::dataChanged);
}

::testing::AssertionResult SellersClipboard::untouched() const {
    const QString now = QGuiApplication::clipboard()->text();
    if (now != m_text)
        return ::testing::AssertionFailure() << "the clipboard holds " << now.toStdString();
    if (!m_writes->isEmpty())
        return ::testing::AssertionFailure() << m_writes->size() << " writes to the clipboard";
    return ::testing::AssertionSuccess();
}

void Form1Fixture::SetUp() {
    ui::applyApplicationStyle(*qobject_cast<QApplication*>(QCoreApplication::instance()));
    writeTextFile(QStringLiteral("都道府県.txt"), defaultRegionLines());
    writeTextFile(QStringLiteral("リンク情報.txt"), defaultLinkLines());
    writeTextFile(QStringLiteral("配送.txt"), defaultRateLines());
    writeTextFile(QStringLiteral("支払い説明.txt"), defaultPaymentExplanationLines());
    writeTextFile(QStringLiteral("発送説明.txt"), defaultShippingExplanationLines());
    writeTextFile(QStringLiteral("注意事項.txt"), defaultNotesLines());
    writeFirstRunProfiles(m_folder.path());
}

void Form1Fixture::writeTextFile(const QString& name, const QStringList& lines) const {
    m_folder.writeLines(QStringLiteral("text/") + name, lines);
}

void Form1Fixture::removeTextFile(const QString& name) const {
    ASSERT_TRUE(QFile::remove(m_folder.path(QStringLiteral("text/") + name)));
}

QString Form1Fixture::textFilePath(const QString& name) const {
    return m_folder.path() + QStringLiteral("/text/") + name;
}

ui::Form1& Form1Fixture::createForm() {
    m_form = std::make_unique<ui::Form1>(
        ui::Form1Services{m_folder.path(), &m_prompter, nullptr, &m_clock});
    return *m_form;
}

void Form1Fixture::showActive() {
    m_form->show();
    m_form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_form.get()));
}

void Form1Fixture::leaveAndComeBack() {
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    m_form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_form.get()));
}
