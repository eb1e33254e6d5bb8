// The held values follow the seller's changes: list positions, the colour scheme, the
// booth option and the colours picked for the swatches, so an activation after any dialog
// puts back what the seller last saw.
#include "ui/form1/actions/form1_actions.h"
#include "ui/form1/form1.h"
#include "ui/widgets/swatch_label.h"

#include <QComboBox>
#include <QRadioButton>

namespace ui {

namespace {

void pickColour(const Form1Context& c, SwatchLabel* swatch,
                platform::ColourValue core::ListingRecord::*field) {
    // Cancelling the dialog leaves the colour as it was.
    const std::optional<platform::ColourValue> chosen =
        c.services.dialogs->pickColour(swatch->colour());
    if (!chosen)
        return;
    swatch->setColour(*chosen);
    c.form.followColour(field, *chosen);
}

} // namespace

void connectHeldActions(const Form1Context& c) {
    // Whoever moves a list (the seller, or a listing being opened) moves its held value.
    const auto rows = content::form1Controls();
    for (std::size_t row = 0; row < rows.size(); ++row) {
        if (const auto* list =
                std::get_if<core::ComboValue core::ListingRecord::*>(&rows[row].field)) {
            QObject::connect(
                static_cast<QComboBox*>(c.widgets.control(row)), &QComboBox::currentIndexChanged,
                &c.window, [c, list = *list](int position) { c.form.followList(list, position); });
        }
        // The swatches showing a colour of the record are the ones the seller picks.
        if (const auto* colour =
                std::get_if<platform::ColourValue core::ListingRecord::*>(&rows[row].field)) {
            auto* swatch = static_cast<SwatchLabel*>(c.widgets.control(row));
            QObject::connect(swatch, &SwatchLabel::clicked, &c.window,
                             [c, swatch, field = *colour] { pickColour(c, swatch, field); });
        }
    }
    const auto& schemes = c.widgets.m_OptionButton;
    for (std::size_t scheme = 0; scheme < schemes.size(); ++scheme) {
        QObject::connect(schemes[scheme], &QRadioButton::toggled, &c.window, [c, scheme](bool on) {
            if (on)
                c.form.followColourPreset(int(scheme));
        });
    }
    const std::array booths = {c.widgets.m_OptionBooth1, c.widgets.m_OptionBooth2,
                               c.widgets.m_OptionBooth3};
    for (std::size_t option = 0; option < booths.size(); ++option) {
        QObject::connect(booths[option], &QRadioButton::toggled, &c.window, [c, option](bool on) {
            if (on)
                c.form.followBoothOption(int(option) + 1);
        });
    }
}

} // namespace ui
