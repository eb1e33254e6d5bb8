#pragma once

#include "assemble_page.h"

#include <QString>
#include <optional>

namespace page {

// The placeholder rules of one page: the texts that go into the template are prepared once,
// then every template piece is styled and has its placeholders filled in, in one pass, so
// nothing a value brings in is taken for a placeholder.
class PageExpander {
public:
    // `style` must already be in range (normalizedPageStyle).
    PageExpander(const PageInputs& inputs, const PageStyle& style);

    // The page line for the next template piece. Pieces must come in template order: the
    // booth banner before the item information goes on the first line holding "%pos".
    QString expand(QString line);

private:
    void styleHeading(QString& line, const QString& heading) const;
    void styleText(QString& line, const QString& placeholder) const;
    void placeMarkers(QString& line);
    QString filledIn(const QString& line) const;

    PageStyle m_style;
    QString m_mainColour, m_subColour;
    QString m_titleColour, m_headingColour, m_textColour;
    QString m_title;
    QString m_description;
    QString m_payment, m_paymentNote;
    QString m_shipping, m_shippingNote;
    std::optional<QString> m_notes; // nothing when hidden or empty
    int m_boothDisplay;
    std::optional<QString> m_booth; // nothing when no banner applies
    QString m_footer;
    int m_markerCount = 0;
};

} // namespace page
