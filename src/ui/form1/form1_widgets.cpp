#include "ui/form1/form1_widgets.h"

#include "ui/form1/control_factory.h"
#include "ui/form1/pages/frame_layouts.h"
#include "ui/widgets/swatch_label.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace ui {

using content::ControlEntry;
using content::ControlKind;

namespace {

bool isMenuKind(ControlKind kind) {
    return kind == ControlKind::Menu || kind == ControlKind::MenuItem ||
           kind == ControlKind::Separator;
}

} // namespace

void Form1Widgets::build(QMainWindow* window) {
    auto* central = new QWidget(window);
    central->setObjectName(QStringLiteral("Form1Client"));
    const auto captions = content::form1PageCaptions();
    std::array<QWidget*, 5> pages{};
    for (QWidget*& page : pages)
        page = new QWidget;
    auto* buttonRow = new QWidget;
    createControls(central, pages, buttonRow);
    window->setCentralWidget(central);
    createMenu(window->menuBar());
    nameMembers();

    placeInFrames();
    layOutItemPage(pages[0]);
    layOutPaymentPage(pages[1]);
    layOutShippingPage(pages[2]);
    layOutBasicPage(pages[3]);
    layOutDesignPage(pages[4]);
    layOutButtonRow(buttonRow);
    for (std::size_t page = 0; page < pages.size(); ++page) {
        m_SSTab1->addTab(pages[page], captions[page].toString());
        pages[page]->setObjectName(QStringLiteral("SSTab1Page%1").arg(page));
    }

    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    layout->addWidget(m_SSTab1, 1);
    layout->addWidget(buttonRow);
    setUpKeyboard(window);
}

// Every widget of the table, in table order, inside its frame, page or row.
void Form1Widgets::createControls(QWidget* central, std::span<QWidget* const> pages,
                                  QWidget* buttonRow) {
    const auto rows = content::form1Controls();
    for (std::size_t row = 0; row < rows.size(); ++row) {
        const ControlEntry& entry = rows[row];
        if (isMenuKind(entry.kind))
            continue;
        QWidget* parent = !entry.frame.isEmpty() ? static_cast<QWidget*>(control(entry.frame))
                          : entry.page != content::kNoPage  ? pages[std::size_t(entry.page)]
                          : entry.kind == ControlKind::Tabs ? central
                                                            : buttonRow;
        m_controls[row] = createControl(entry, parent);
    }
}

// Puts every control that has a cell into the grid of its frame.
void Form1Widgets::placeInFrames() {
    const auto rows = content::form1Controls();
    for (std::size_t row = 0; row < rows.size(); ++row) {
        const content::GridCell& cell = rows[row].cell;
        if (!cell.placed())
            continue;
        frameGridOf(static_cast<QGroupBox*>(control(rows[row].frame)))
            ->addWidget(static_cast<QWidget*>(m_controls[row]), cell.row, cell.column, cell.rowSpan,
                        cell.columnSpan, cell.alignLeft ? Qt::AlignLeft : Qt::Alignment());
    }
}

// The menu bar: a menu's items name the menu as their frame. Entries whose actions come
// later exist already and do nothing yet.
void Form1Widgets::createMenu(QMenuBar* bar) {
    const auto rows = content::form1Controls();
    for (std::size_t row = 0; row < rows.size(); ++row) {
        const ControlEntry& entry = rows[row];
        if (entry.kind == ControlKind::Menu) {
            QMenu* menu = bar->addMenu(entry.caption.toString());
            menu->setObjectName(entry.name.toString());
            menu->menuAction()->setObjectName(entry.name.toString());
            menu->setAccessibleName(entry.accessibleName.toString());
            m_controls[row] = menu;
        } else if (entry.kind == ControlKind::MenuItem || entry.kind == ControlKind::Separator) {
            auto* menu = static_cast<QMenu*>(control(entry.frame));
            QAction* action = entry.kind == ControlKind::Separator
                                  ? menu->addSeparator()
                                  : menu->addAction(entry.caption.toString());
            action->setObjectName(entry.name.toString());
            m_controls[row] = action;
        }
    }
}

void Form1Widgets::nameMembers() {
#define CONTROL(name, kind, ...)                                                                   \
    m_##name = static_cast<WidgetOf<ControlKind::kind>*>(                                          \
        m_controls[std::size_t(content::ControlId::name)]);
#include "content/form1_control_rows.inc"
#undef CONTROL

    m_CheckBoxクロネコメール便 = {m_CheckBoxクロネコメール便_0, m_CheckBoxクロネコメール便_1};
    for (std::size_t scheme = 0; scheme < m_OptionButton.size(); ++scheme) {
        const auto named = [scheme](const char* prefix, const char* suffix = "") {
            return QStringLiteral("%1%2%3")
                .arg(QLatin1String(prefix))
                .arg(scheme)
                .arg(QLatin1String(suffix));
        };
        m_OptionButton[scheme] = static_cast<QRadioButton*>(control(named("OptionButton")));
        m_Ln1[scheme] = static_cast<QLabel*>(control(named("L", "1")));
        m_Ln2[scheme] = static_cast<SwatchLabel*>(control(named("L", "2")));
        m_Ln3[scheme] = static_cast<SwatchLabel*>(control(named("L", "3")));
    }
}

void Form1Widgets::layOutButtonRow(QWidget* row) {
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch(1);
    for (QPushButton* button : {m_ButtonPreview, m_Command1, m_Command2, m_ButtonEnd}) {
        button->setMinimumWidth(100);
        layout->addWidget(button);
    }
}

} // namespace ui
