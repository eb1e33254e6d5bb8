// InitializeMainWindow: the start-up sequence that fills the window before it is shown.
#include "core/option_lists.h"
#include "core/text_tables.h"
#include "form1.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>

namespace ui {

namespace {

void fillList(QComboBox* combo, const QStringList& items) {
    combo->clear();
    combo->addItems(items);
    // Nothing is chosen until the seller or the saved settings choose.
    combo->setCurrentIndex(-1);
}

QStringList emptyEntries(int count) {
    return QStringList(count, QString());
}

} // namespace

void Form1::InitializeMainWindow() {
    m_prefectureTable = emptyEntries(core::kPrefectureCount);
    m_linkTable = emptyEntries(core::kLinkCount);

    m_held.clipboardBackup = QGuiApplication::clipboard()->text();
    m_SSTab1->setCurrentIndex(0);
    m_workspace.applicationFolder = m_services.applicationFolder;
    restoreListingForm();
    clearItemFields();
    fillOptionLists();
    // The file steps stop the sequence at their first failure.
    QString fileBeingRead;
    try {
        fileBeingRead = core::prefectureFilePath(m_workspace.applicationFolder);
        loadPrefectureList();
        fillFontLists();
        fileBeingRead = core::linkFilePath(m_workspace.applicationFolder);
        loadLinkTable();
        fileBeingRead = content::shippingRatesPath(m_workspace.applicationFolder);
        loadShippingRates();
    } catch (const platform::Error& error) {
        reportStartupFailure(error, fileBeingRead);
    }
}

void Form1::clearItemFields() {
    m_TextBoxタイトル->clear();
    m_TextBox商品説明->clear();
    m_Label12->setText(QStringLiteral("あと30文字"));
    m_TextBoxJAN->clear();
    m_Label送料1->clear();
    m_Label送料2->clear();
}

void Form1::fillOptionLists() {
    fillList(m_ComboBox商品サイズ, core::sizeOptions());
    fillList(m_ComboBox商品重さ, core::weightOptions());
    fillList(m_ComboBoxクロネコメール便, core::envelopeClassOptions());
    fillList(m_ComboBox表示幅, core::displayWidthOptions());
    fillList(m_ComboBox表示位置, core::displayPositionOptions());
    fillList(m_ComboMyBooth, core::boothDisplayOptions());
}

void Form1::loadPrefectureList() {
    m_Combo都道府県->clear();
    m_Combo都道府県->setPlaceholderText(core::kPrefecturePrompt.toString());
    core::FixedTable table = core::readPrefectureTable(m_workspace.applicationFolder);
    m_prefectureTable = table.entries;
    // Names past the 48th are left out; the seller is told and start-up goes on.
    if (table.error)
        m_services.prompter->inform(table.error->report(QStringLiteral("FI")));
    fillList(m_Combo都道府県, m_prefectureTable);
}

void Form1::fillFontLists() {
    fillList(m_ComboTS1, core::fontStyleOptions());
    fillList(m_ComboMS1, core::fontStyleOptions());
    fillList(m_ComboSR1, core::fontStyleOptions());
    fillList(m_ComboTS2, core::titleSizeOptions());
    fillList(m_ComboMS2, core::headingSizeOptions());
    fillList(m_ComboSR2, core::textSizeOptions());
}

void Form1::loadLinkTable() {
    core::FixedTable table = core::readLinkTable(m_workspace.applicationFolder);
    m_linkTable = table.entries;
    if (table.error)
        m_services.prompter->inform(table.error->report(QStringLiteral("FI")));
}

void Form1::loadShippingRates() {
    m_rates = {};
    if (auto failure = content::LoadShippingRates(m_workspace.applicationFolder, m_rates))
        m_services.prompter->inform(failure->report(QStringLiteral("FI")));
}

void Form1::reportStartupFailure(const platform::Error& error, const QString& path) {
    switch (error.number()) {
    case platform::ErrorNumber::FileNotFound:
        m_services.prompter->inform(QStringLiteral("ファイルがありません。(FI　") + path);
        break;
    case platform::ErrorNumber::FileAlreadyOpen:
        break;
    default:
        m_services.prompter->inform(error.report(QStringLiteral("FI")));
        break;
    }
}

} // namespace ui
