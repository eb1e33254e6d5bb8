#include "listing_form_controller.h"

#include "core/message_tags.h"
#include "core/option_lists.h"
#include "listing_form_restore.h"
#include "listing_form_save.h"
#include "payment_composer.h"
#include "profile_bindings.h"
#include "startup_tables.h"

#include <utility>

namespace content {

ListingFormController::ListingFormController(core::Workspace workspace,
                                             platform::Prompter& prompter)
    : m_workspace(std::move(workspace)), m_prompter(prompter),
      m_prefectureTable(core::kPrefectureCount, QString()),
      m_linkTable(core::kLinkCount, QString()) {}

void ListingFormController::restore(core::ListingRecord& record) {
    RestoreListingForm(m_workspace, record, m_held, m_prompter);
}

void ListingFormController::loadTables() {
    StartupTables tables = LoadStartupTables(m_workspace);
    m_lists = std::move(tables.lists);
    m_prefectureTable = std::move(tables.regions);
    m_linkTable = std::move(tables.links);
    m_rates = tables.rates;
    for (const QString& message : std::as_const(tables.messages))
        m_prompter.inform(message);
}

std::optional<platform::Error> ListingFormController::applyHeld(core::ListingRecord& record) const {
    return ApplyHeldSelections(m_held, m_lists, m_rates, record);
}

void ListingFormController::showApplyFailure(const std::optional<platform::Error>& failure) {
    if (!failure) {
        m_shownApplyFailure.reset();
        return;
    }
    if (m_shownApplyFailure == failure->number())
        return;
    m_shownApplyFailure = failure->number();
    m_prompter.inform(failure->report(core::tag::ApplyHeld));
}

void ListingFormController::save(const core::ListingRecord& record) const {
    const FormSaveOutcome outcome = SaveListingForm(m_workspace, record, m_held);
    if (!outcome.replacedFields.isEmpty())
        m_prompter.inform(replacedCharactersMessage(outcome.replacedFields));
    if (outcome.failure)
        m_prompter.inform(outcome.failure->report(core::tag::SaveForm));
}

QString ListingFormController::paymentText(const core::ListingRecord& record) const {
    return ComposePaymentText(record);
}

ShippingCaptions ListingFormController::shippingText(const core::ListingRecord& record) const {
    return ComposeShippingText(record, m_rates);
}

void ListingFormController::composeSummaries(core::ListingRecord& record) const {
    composeCaptions(m_rates, record);
}

void ListingFormController::followList(core::ComboValue core::ListingRecord::*list, int position) {
    content::followList(m_held, list, position);
}

void ListingFormController::followColour(platform::ColourValue core::ListingRecord::*swatch,
                                         platform::ColourValue colour) {
    content::followColour(m_held, swatch, colour);
}

} // namespace content
