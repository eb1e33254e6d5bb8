#pragma once

#include "content/form1_controls.h"

#include <QStringView>
#include <array>
#include <span>

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMainWindow;
class QMenu;
class QMenuBar;
class QObject;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QWidget;

namespace ui {

class SwatchLabel;

// The widget class standing for each kind of control.
template <content::ControlKind> struct WidgetOfKind;
// clang-format off
template <> struct WidgetOfKind<content::ControlKind::Tabs> { using type = QTabWidget; };
template <> struct WidgetOfKind<content::ControlKind::Frame> { using type = QGroupBox; };
template <> struct WidgetOfKind<content::ControlKind::Label> { using type = QLabel; };
template <> struct WidgetOfKind<content::ControlKind::Display> { using type = QLabel; };
template <> struct WidgetOfKind<content::ControlKind::Text> { using type = QLineEdit; };
template <> struct WidgetOfKind<content::ControlKind::MultiLineText> { using type = QPlainTextEdit; };
template <> struct WidgetOfKind<content::ControlKind::Check> { using type = QCheckBox; };
template <> struct WidgetOfKind<content::ControlKind::Option> { using type = QRadioButton; };
template <> struct WidgetOfKind<content::ControlKind::Combo> { using type = QComboBox; };
template <> struct WidgetOfKind<content::ControlKind::BackSwatch> { using type = SwatchLabel; };
template <> struct WidgetOfKind<content::ControlKind::ForeSwatch> { using type = SwatchLabel; };
template <> struct WidgetOfKind<content::ControlKind::Button> { using type = QPushButton; };
template <> struct WidgetOfKind<content::ControlKind::Picture> { using type = QLabel; };
template <> struct WidgetOfKind<content::ControlKind::Menu> { using type = QMenu; };
template <> struct WidgetOfKind<content::ControlKind::MenuItem> { using type = QAction; };
template <> struct WidgetOfKind<content::ControlKind::Separator> { using type = QAction; };
// clang-format on
template <content::ControlKind kind> using WidgetOf = typename WidgetOfKind<kind>::type;

// Every control of the main window (content/form1_control_rows.inc), each named m_ + its
// control name, and the layouts of the pages (one file each), the button row and the menu.
// Nothing here reacts to the seller: the actions (form1_actions.h) connect the controls.
struct Form1Widgets {
    // Builds the tabs, the button row and the menu into `window`, and the keyboard order.
    void build(QMainWindow* window);

    // The control of table row `row` (its position in content::form1Controls()).
    QObject* control(std::size_t row) const { return m_controls[row]; }
    QObject* control(QStringView name) const { return control(content::form1ControlIndex(name)); }

#define CONTROL(name, kind, ...) WidgetOf<content::ControlKind::kind>* m_##name = nullptr;
#include "content/form1_control_rows.inc"
#undef CONTROL

    // Groups of controls the actions go through by position.
    // Element 0 is on page 2, element 1 on page 0; both stand for the same choice.
    std::array<QCheckBox*, 2> m_CheckBoxクロネコメール便{};
    // Colour scheme n: option OptionButton<n>, name label L<n>1, swatches L<n>2 and L<n>3.
    std::array<QRadioButton*, 10> m_OptionButton{};
    std::array<QLabel*, 10> m_Ln1{};
    std::array<SwatchLabel*, 10> m_Ln2{};
    std::array<SwatchLabel*, 10> m_Ln3{};

private:
    void createControls(QWidget* central, std::span<QWidget* const> pages, QWidget* buttonRow);
    void placeInFrames();
    void createMenu(QMenuBar* bar);
    void nameMembers();
    void layOutItemPage(QWidget* page);
    void layOutPaymentPage(QWidget* page);
    void layOutShippingPage(QWidget* page);
    void layOutBasicPage(QWidget* page);
    void layOutDesignPage(QWidget* page);
    void layOutButtonRow(QWidget* row);
    void setUpKeyboard(QWidget* window);

    std::array<QObject*, content::kControlCount> m_controls{};
};

} // namespace ui
