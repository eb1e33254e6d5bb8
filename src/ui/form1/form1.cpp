#include "ui/form1/form1.h"

#include "content/form1_controls.h"
#include "core/option_lists.h"
#include "ui/form1/actions/form1_actions.h"
#include "ui/form1/form1_record_binding.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QTabWidget>
#include <deque>
#include <utility>

namespace ui {

namespace {

// The client area the window was designed for, in pixels at 96 dpi.
constexpr int kClientWidth = 631;
constexpr int kClientHeight = 568;

} // namespace

Form1::Form1(const Form1Services& services, QWidget* parent)
    : QMainWindow(parent), m_services(services),
      m_form(core::Workspace{services.applicationFolder}, *services.prompter),
      m_editors(services.prompter),
      m_phrases({services.applicationFolder, services.prompter, &m_editors}) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(content::kForm1Title.toString());
    // Minimise and close, but no maximise: the window keeps the size it was built with.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    m_widgets.build(this);
    InitializeMainWindow();
    // Only now: filling the lists at start-up must not count as the seller's choice.
    connectForm1Actions({*this, m_widgets, m_form, m_services, m_phrases, m_clipboard});
    keepLoadedSize();
    // The seller starts with the title, not on the tab bar that comes first in tab order.
    m_widgets.m_TextBoxタイトル->setFocus();
}

core::ListingRecord Form1::record() const {
    return readRecord(m_widgets);
}

void Form1::applyRecord(const core::ListingRecord& record) {
    writeRecord(m_widgets, record, Fields::All);
}

void Form1::showPage(int page) {
    m_widgets.m_SSTab1->setCurrentIndex(page);
}

// The start-up sequence that fills the window before it is shown.
void Form1::InitializeMainWindow() {
    loadWorkspaceState();
}

void Form1::loadWorkspaceState() {
    showPage(0);
    core::ListingRecord restored = record();
    m_form.restore(restored);
    // Restored ticks count as the seller's clicks: the summaries show them at once.
    m_form.composeSummaries(restored);
    applyRecord(restored);
    clearItemFields();
    m_widgets.m_Combo都道府県->setPlaceholderText(core::kPrefecturePrompt.toString());
    m_form.loadTables();
    fillLists(m_widgets, m_form.lists());
}

void Form1::reloadWorkspace() {
    // A message box shown on the way must not start an activation's apply half-way.
    const QScopedValueRollback<bool> applying(m_applyingHeldValues, true);
    // The actions follow list positions and options as they change; filling the lists
    // again must not move the held values the files are about to give.
    std::deque<QSignalBlocker> quiet;
    for (QComboBox* combo : findChildren<QComboBox*>())
        quiet.emplace_back(combo);
    for (QAbstractButton* button : findChildren<QAbstractButton*>())
        quiet.emplace_back(button);
    for (QTabWidget* tabs : findChildren<QTabWidget*>())
        quiet.emplace_back(tabs);
    m_form.held() = core::HeldSelections{};
    loadWorkspaceState();
    // As the first showing does: the held values into the lists just filled.
    core::ListingRecord applied = record();
    const std::optional<platform::Error> failure = m_form.applyHeld(applied);
    writeRecord(m_widgets, applied, Fields::HeldOnly);
    m_form.showApplyFailure(failure);
}

void Form1::clearItemFields() {
    m_widgets.m_TextBoxタイトル->clear();
    m_widgets.m_TextBox商品説明->clear();
    m_widgets.m_Label12->setText(QStringLiteral("あと30文字"));
    m_widgets.m_TextBoxJAN->clear();
    m_widgets.m_Label送料1->clear();
    m_widgets.m_Label送料2->clear();
}

void Form1::keepLoadedSize() {
    // Fixed from the start, so dragging the border snaps back and there is nothing to
    // maximise; minimising still works.
    setFixedSize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
}

void Form1::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        onWindowActivated();
}

void Form1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The first showing applies the held selections even where no window manager makes the
    // window active (activation then applies them again, which changes nothing).
    if (!std::exchange(m_shownOnce, true))
        onWindowActivated();
}

void Form1::onWindowActivated() {
    // A message box shown from here takes the activation away and gives it back while
    // this call is still running.
    if (m_applyingHeldValues)
        return;
    const QScopedValueRollback<bool> applying(m_applyingHeldValues, true);
    core::ListingRecord applied = record();
    const std::optional<platform::Error> failure = m_form.applyHeld(applied);
    // What was applied before a failure stays applied.
    writeRecord(m_widgets, applied, Fields::HeldOnly);
    m_form.showApplyFailure(failure);
}

void Form1::closeEvent(QCloseEvent* event) {
    // Whatever may refuse the close (a running editor) decides here, before the save.
    if (!m_phrases.mayCloseMainWindow()) {
        event->ignore();
        return;
    }
    m_form.save(record());
    QMainWindow::closeEvent(event);
}

} // namespace ui
