// The seller's standing choices: restored when the window is created, put back into the
// controls at every activation, followed through the seller's own changes, and saved when
// the window closes.
#include "content/listing_form_restore.h"
#include "content/listing_form_save.h"
#include "content/number_text.h"
#include "form1.h"
#include "profile/profiles.h"
#include "swatch_label.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QRadioButton>
#include <QScopedValueRollback>

namespace ui {

namespace {

QStringList itemsOf(const QComboBox* combo) {
    QStringList items;
    for (int position = 0; position < combo->count(); ++position)
        items << combo->itemText(position);
    return items;
}

// Follows a list's position into a held value kept as text.
void followAsText(QComboBox* combo, QObject* context, QString& held) {
    QObject::connect(combo, &QComboBox::currentIndexChanged, context,
                     [&held](int position) { held = QString::number(position); });
}

// Follows a list's position into a held value kept as a number.
void followAsNumber(QComboBox* combo, QObject* context, std::int16_t& held) {
    QObject::connect(combo, &QComboBox::currentIndexChanged, context,
                     [&held](int position) { held = std::int16_t(position); });
}

} // namespace

void Form1::restoreListingForm() {
    core::ListingRecord restored = record();
    content::RestoreListingForm(profile::Profiles(m_workspace.applicationFolder),
                                m_workspace.applicationFolder, restored, m_held,
                                *m_services.prompter);
    applyRecord(restored);
    // Restored ticks count as the seller's clicks: the summaries show them at once.
    refreshPaymentSummary();
    refreshShippingSummary();
}

content::FormLists Form1::formLists() const {
    // The lists as they are filled, so a position is checked against what can be shown
    // (a region file that failed to load leaves its list empty).
    content::FormLists lists;
    lists.sizes = itemsOf(m_ComboBox商品サイズ);
    lists.weights = itemsOf(m_ComboBox商品重さ);
    lists.envelopeClasses = itemsOf(m_ComboBoxクロネコメール便);
    lists.prefectures = itemsOf(m_Combo都道府県);
    lists.boothDisplays = itemsOf(m_ComboMyBooth);
    lists.displayWidths = itemsOf(m_ComboBox表示幅);
    lists.displayPositions = itemsOf(m_ComboBox表示位置);
    lists.titleStyles = itemsOf(m_ComboTS1);
    lists.titleSizes = itemsOf(m_ComboTS2);
    lists.headingStyles = itemsOf(m_ComboMS1);
    lists.headingSizes = itemsOf(m_ComboMS2);
    lists.textStyles = itemsOf(m_ComboSR1);
    lists.textSizes = itemsOf(m_ComboSR2);
    return lists;
}

void Form1::onWindowActivated() {
    // A message box shown from here takes the activation away and gives it back while
    // this call is still running.
    if (m_applyingHeldValues)
        return;
    const QScopedValueRollback<bool> applying(m_applyingHeldValues, true);
    core::ListingRecord applied = record();
    const std::optional<platform::Error> failure =
        content::ApplyHeldSelections(m_held, formLists(), m_rates, applied);
    // What was applied before a failure stays applied.
    applyHeldValues(applied);
    if (failure) {
        reportApplyFailure(*failure);
        return;
    }
    m_shownApplyFailure.reset();
    QGuiApplication::clipboard()->setText(m_held.clipboardBackup);
}

void Form1::reportApplyFailure(const platform::Error& failure) {
    // The held values only change with the seller's choices, so the same failure comes
    // back at every activation, the one after its own message box included.
    if (m_shownApplyFailure == failure.number())
        return;
    m_shownApplyFailure = failure.number();
    m_services.prompter->inform(failure.report(QStringLiteral("FA")));
}

void Form1::connectHeldValueHandlers() {
    connectHeldListPositions();
    for (std::size_t scheme = 0; scheme < m_OptionButton.size(); ++scheme) {
        connect(m_OptionButton[scheme], &QRadioButton::toggled, this, [this, scheme](bool on) {
            if (on)
                m_held.colourPreset = int(scheme);
        });
    }
    const std::array booths = {m_OptionBooth1, m_OptionBooth2, m_OptionBooth3};
    for (std::size_t option = 0; option < booths.size(); ++option) {
        connect(booths[option], &QRadioButton::toggled, this, [this, option](bool on) {
            if (on)
                m_held.boothOption = int(option) + 1;
        });
    }
    connectColourPickers();
}

// A held position follows its list whoever moves it (the seller, or a listing being
// opened), so an activation after any dialog puts back what the seller last saw.
void Form1::connectHeldListPositions() {
    followAsText(m_ComboBox商品サイズ, this, m_held.sizePosition);
    followAsNumber(m_ComboBox商品重さ, this, m_held.weightPosition);
    followAsNumber(m_ComboBoxクロネコメール便, this, m_held.mailBinDefaultPosition);
    followAsNumber(m_Combo都道府県, this, m_held.regionPosition);
    followAsText(m_ComboMyBooth, this, m_held.boothDisplayPosition);
    followAsText(m_ComboBox表示幅, this, m_held.displayWidthPosition);
    followAsNumber(m_ComboBox表示位置, this, m_held.displayPosition);
    followAsText(m_ComboTS1, this, m_held.titleStyle);
    followAsText(m_ComboTS2, this, m_held.titleSize);
    followAsText(m_ComboMS1, this, m_held.headingStyle);
    followAsText(m_ComboMS2, this, m_held.headingSize);
    followAsText(m_ComboSR1, this, m_held.textStyle);
    followAsNumber(m_ComboSR2, this, m_held.textSizePosition);
}

void Form1::connectColourPickers() {
    const std::pair<SwatchLabel*, QString*> pickers[] = {
        {m_Ln2[9], &m_held.userMainColour}, {m_Ln3[9], &m_held.userSubColour},
        {m_CommandT, &m_held.titleColour},  {m_CommandM, &m_held.headingColour},
        {m_CommandSR, &m_held.textColour},
    };
    for (const auto& [swatch, held] : pickers) {
        connect(swatch, &SwatchLabel::clicked, this,
                [this, swatch, held] { pickColour(swatch, *held); });
    }
}

void Form1::pickColour(SwatchLabel* swatch, QString& heldColour) {
    // Cancelling the dialog leaves the colour as it was.
    const std::optional<platform::ColourValue> chosen =
        m_services.dialogs->pickColour(swatch->colour());
    if (!chosen)
        return;
    swatch->setColour(*chosen);
    heldColour = content::colourToText(*chosen);
}

void Form1::closeEvent(QCloseEvent* event) {
    // Whatever may refuse the close (a running editor) decides here, before the save.
    saveListingForm();
    QMainWindow::closeEvent(event);
}

void Form1::saveListingForm() {
    const profile::Profiles profiles(m_workspace.applicationFolder);
    if (const std::optional<platform::Error> failure =
            content::SaveListingForm(profiles, record(), m_held))
        m_services.prompter->inform(failure->report(QStringLiteral("SI")));
}

} // namespace ui
