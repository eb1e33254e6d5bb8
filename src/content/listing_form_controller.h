#pragma once

#include "content/listing_form_apply.h"
#include "content/shipping_composer.h"
#include "content/shipping_rates.h"
#include "core/held_selections.h"
#include "core/listing_record.h"
#include "core/workspace.h"
#include "platform/error.h"
#include "platform/prompter.h"

#include <QStringList>
#include <optional>

namespace content {

// The main window's state apart from its widgets: the workspace, the held selections,
// the lists, the region list, link table and rate table read at start, and the restore,
// apply and save of the standing choices. The window moves values between its widgets
// and this through ListingRecord.
class ListingFormController {
public:
    ListingFormController(core::Workspace workspace, platform::Prompter& prompter);

    const core::Workspace& workspace() const { return m_workspace; }
    platform::Prompter& prompter() const { return m_prompter; }
    core::HeldSelections& held() { return m_held; }
    const core::HeldSelections& held() const { return m_held; }
    // The items of every drop-down list, as the window's lists hold them.
    const FormLists& lists() const { return m_lists; }
    // The region list behind Combo都道府県: always core::kPrefectureCount entries.
    const QStringList& prefectureTable() const { return m_prefectureTable; }
    // The link lines used by page assembly: always core::kLinkCount entries.
    const QStringList& linkTable() const { return m_linkTable; }
    const ShippingRateTable& rates() const { return m_rates; }

    // The standing choices from the profile and explanation files into `record` and the
    // held values; failures are shown.
    void restore(core::ListingRecord& record);
    // The lists and tables from the text folder; failures are shown.
    void loadTables();
    // The held values put into `record`; every value that can be is applied. The failure,
    // if any, is returned for showApplyFailure().
    std::optional<platform::Error> applyHeld(core::ListingRecord& record) const;
    // Shows an activation's failure, but not the same one again until an activation
    // succeeds: the held values only change with the seller's choices, so the same
    // failure comes back at every activation, the one after its own message box included.
    void showApplyFailure(const std::optional<platform::Error>& failure);
    // Writes the standing choices of `record` and the held values; values saved with "?"
    // and a failure are shown.
    void save(const core::ListingRecord& record) const;

    // The composed payment and shipping summaries of `record`.
    QString paymentText(const core::ListingRecord& record) const;
    ShippingCaptions shippingText(const core::ListingRecord& record) const;
    // Both summaries composed into the record's captions.
    void composeSummaries(core::ListingRecord& record) const;

    // The held values follow the seller's changes (and a listing being opened), so an
    // activation after a dialog puts back what the seller last saw.
    void followList(core::ComboValue core::ListingRecord::*list, int position);
    void followColour(platform::ColourValue core::ListingRecord::*swatch,
                      platform::ColourValue colour);
    void followColourPreset(int preset) { m_held.colourPreset = preset; }
    void followBoothOption(int option) { m_held.boothOption = option; } // 1, 2 or 3

private:
    core::Workspace m_workspace;
    platform::Prompter& m_prompter;
    core::HeldSelections m_held;
    FormLists m_lists;
    QStringList m_prefectureTable;
    QStringList m_linkTable;
    ShippingRateTable m_rates;
    std::optional<int> m_shownApplyFailure;
};

} // namespace content
