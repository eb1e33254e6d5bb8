#pragma once

#include <QStringView>
#include <span>

namespace ui {

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
};

// Every control of the main window, page by page in page order, then the button row
// and the menu.
std::span<const ControlEntry> form1Controls();

// The entry named `name`; a name missing from the table is a programming error.
const ControlEntry& form1Control(QStringView name);

// Captions of the pages of SSTab1, page 0 first.
std::span<const QStringView> form1PageCaptions();

inline constexpr QStringView kForm1Title = u"Tomoe!オークション ";

// The two elements of the mail-bin check box group need distinct object names.
inline constexpr QStringView kMailBinOnShippingPage = u"CheckBoxクロネコメール便_0";
inline constexpr QStringView kMailBinOnItemPage = u"CheckBoxクロネコメール便_1";

} // namespace ui
