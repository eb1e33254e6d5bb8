#pragma once

#include "core/colour_presets.h"
#include "core/listing_record.h"

#include <QStringView>
#include <cstddef>
#include <span>
#include <variant>

namespace content {

// What a control of the main window is, and so which widget class stands for it.
enum class ControlKind {
    Tabs,          // QTabWidget
    Frame,         // QGroupBox, caption = title
    Label,         // QLabel with a fixed caption
    Display,       // QLabel whose caption the program writes
    Text,          // QLineEdit, caption = grey hint shown while empty
    MultiLineText, // QPlainTextEdit
    Check,         // QCheckBox
    Option,        // QRadioButton, exclusive within its frame
    Combo,         // QComboBox, caption = text shown while nothing is chosen
    BackSwatch,    // SwatchLabel painting its colour as background
    ForeSwatch,    // SwatchLabel painting its caption in its colour
    Button,        // QPushButton
    Picture,       // QLabel with a pixmap
    Menu,          // QMenu in the menu bar
    MenuItem,      // QAction
    Separator,     // QAction that is a separator line
};

// Pages of SSTab1; controls outside the tabs (button row, menu) have none.
inline constexpr int kNoPage = -1;
inline constexpr int kItemPage = 0;
inline constexpr int kPaymentPage = 1;
inline constexpr int kShippingPage = 2;
inline constexpr int kBasicPage = 3;
inline constexpr int kDesignPage = 4;

// Where a value of the record lives, if it does.
using RecordField =
    std::variant<std::monostate, core::CheckValue core::ListingRecord::*,
                 QString core::ListingRecord::*, core::ComboValue core::ListingRecord::*,
                 platform::ColourValue core::ListingRecord::*>;

// A control's place in the grid of its frame; row -1: its page lays it out itself.
struct GridCell {
    int row = -1;
    int column = 0;
    int rowSpan = 1;
    int columnSpan = 1;
    bool alignLeft = false;
    constexpr bool placed() const { return row >= 0; }
};

// Which summary of page 0 the seller's click, list choice or field exit recomposes.
enum class Recomposes { Nothing, Payment, Shipping };

struct ControlEntry {
    QStringView name; // objectName, also the member name after "m_"
    ControlKind kind;
    QStringView caption; // caption, hint or start value
    int page;            // tab page, or kNoPage
    QStringView frame;   // nearest enclosing frame (or menu), empty when none
    // What a screen reader says, unique within the window among the controls that have one;
    // empty for fixed labels, which are read by their caption.
    QStringView accessibleName;
    bool hidden = false; // exists and keeps its value but is never shown
    GridCell cell;
    RecordField field; // the value of the record the control shows
    // Written back each time the held selections are put back, not only when a whole
    // record is.
    bool held = false;
    Recomposes recomposes = Recomposes::Nothing;
};

// The flags of a row of form1_control_rows.inc, and the entry it makes.
namespace control_rows {

inline constexpr unsigned kHidden = 1;
inline constexpr unsigned kHeld = 2;
inline constexpr unsigned kPay = 4;
inline constexpr unsigned kShip = 8;

constexpr ControlEntry row(QStringView name, ControlKind kind, int page, QStringView frame,
                           GridCell cell, QStringView caption, QStringView accessibleName,
                           RecordField field, unsigned flags) {
    const Recomposes recomposes = (flags & kPay)    ? Recomposes::Payment
                                  : (flags & kShip) ? Recomposes::Shipping
                                                    : Recomposes::Nothing;
    return {name,
            kind,
            caption,
            page,
            frame,
            accessibleName,
            bool(flags & kHidden),
            cell,
            field,
            bool(flags & kHeld),
            recomposes};
}

} // namespace control_rows

// Every control of the main window, in the order of form1_control_rows.inc.
// clang-format off
inline constexpr ControlEntry kForm1Controls[] = {
#define CELL(r, c) GridCell{r, c, 1, 1, false}
#define CELL_SPAN(r, c, rows, columns) GridCell{r, c, rows, columns, false}
#define CELL_LEFT(r, c, rows, columns) GridCell{r, c, rows, columns, true}
#define NO_CELL GridCell{}
#define FIELD(member) RecordField{&core::ListingRecord::member}
#define NO_FIELD RecordField{}
// The flags are named inside control_rows only, where no other kPay or kShip is seen.
#define CONTROL(name, kind, page, frame, cell, caption, accessible, field, flags)                \
    control_rows::row(u"" #name, ControlKind::kind, page, frame, cell, caption, accessible, field, \
                      [] { using namespace control_rows; return unsigned(flags); }()),
#include "form1_control_rows.inc"
#undef CONTROL
#undef NO_FIELD
#undef FIELD
#undef NO_CELL
#undef CELL_LEFT
#undef CELL_SPAN
#undef CELL
};
// clang-format on

// A control's position in the table, named after it.
enum class ControlId : std::size_t {
#define CONTROL(name, ...) name,
#include "form1_control_rows.inc"
#undef CONTROL
};

inline constexpr std::size_t kControlCount = std::size(kForm1Controls);

std::span<const ControlEntry> form1Controls();

// The entry named `name`; a name missing from the table is a programming error.
const ControlEntry& form1Control(QStringView name);
std::size_t form1ControlIndex(QStringView name);

// The accessible name of the control showing `field`; empty when no control shows it.
constexpr QStringView accessibleNameOf(RecordField field) {
    for (const ControlEntry& entry : kForm1Controls) {
        if (entry.field == field)
            return entry.accessibleName;
    }
    return {};
}

// Captions of the pages of SSTab1, page 0 first.
std::span<const QStringView> form1PageCaptions();

inline constexpr QStringView kForm1Title = u"Tomoe!オークション ";

// The two elements of the mail-bin check box group need distinct object names.
inline constexpr QStringView kMailBinOnShippingPage = u"CheckBoxクロネコメール便_0";
inline constexpr QStringView kMailBinOnItemPage = u"CheckBoxクロネコメール便_1";

} // namespace content
