#include "page_actions_fixture.h"

#include "page/built_in_templates.h"
#include "storage/listing_index.h"

#include <QDir>

void PageActionsFixture::SetUp() {
    Form1Fixture::SetUp();
    for (const char* folder : {"data/after", "userdata/after", "template"})
        QDir().mkpath(m_folder.path(QString::fromLatin1(folder)));
    m_folder.writeLines(QStringLiteral("template/temp1.tmpl"), page::builtInTemplate1Lines());
    m_folder.writeLines(QStringLiteral("data/tm1.dat"), storage::firstRunIndexLines(m_clock.time));
}

ui::Form1& PageActionsFixture::createWindow() {
    m_form = std::make_unique<ui::Form1>(
        ui::Form1Services{m_folder.path(), &m_prompter, &m_dialogs, &m_clock, &m_browsers});
    return *m_form;
}

void PageActionsFixture::finish(const QString& title) {
    setText(QStringLiteral("TextBoxタイトル"), title);
    m_prompter.answers = {true};
    click(QStringLiteral("Command1"));
    m_clock.time = m_clock.time.addSecs(60);
}
