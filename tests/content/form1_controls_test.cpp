// The window is built by walking the control table once, in order: a control is found by
// its name, put into the frame named before it, at a cell no other control holds.
#include "content/form1_controls.h"
#include "content/profile_bindings.h"

#include <QSet>
#include <QString>
#include <gtest/gtest.h>
#include <map>
#include <tuple>

namespace {

using content::ControlEntry;
using content::ControlKind;

std::string nameOf(const ControlEntry& entry) {
    return entry.name.toString().toStdString();
}

TEST(Form1ControlTable, FindsEveryControlByItsOwnName) {
    const auto rows = content::form1Controls();
    for (std::size_t row = 0; row < rows.size(); ++row)
        EXPECT_EQ(content::form1ControlIndex(rows[row].name), row) << nameOf(rows[row]);
}

TEST(Form1ControlTable, NamesTheFrameOfEveryControlBeforeTheControl) {
    const auto rows = content::form1Controls();
    QSet<QStringView> frames, menus;
    for (const ControlEntry& entry : rows) {
        if (!entry.frame.isEmpty()) {
            const bool inMenu =
                entry.kind == ControlKind::MenuItem || entry.kind == ControlKind::Separator;
            EXPECT_TRUE((inMenu ? menus : frames).contains(entry.frame)) << nameOf(entry);
        }
        if (entry.kind == ControlKind::Frame)
            frames.insert(entry.name);
        if (entry.kind == ControlKind::Menu)
            menus.insert(entry.name);
    }
}

TEST(Form1ControlTable, GivesNoTwoControlsOfAFrameOverlappingCells) {
    std::map<std::tuple<QString, int, int>, std::string> taken;
    for (const ControlEntry& entry : content::form1Controls()) {
        const content::GridCell& cell = entry.cell;
        if (!cell.placed())
            continue;
        EXPECT_FALSE(entry.frame.isEmpty()) << nameOf(entry);
        for (int row = cell.row; row < cell.row + cell.rowSpan; ++row) {
            for (int column = cell.column; column < cell.column + cell.columnSpan; ++column) {
                const auto [at, inserted] =
                    taken.emplace(std::tuple(entry.frame.toString(), row, column), nameOf(entry));
                EXPECT_TRUE(inserted) << nameOf(entry) << " over " << at->second;
            }
        }
    }
}

// Only a check box, a list or a text field can tell that the seller changed it.
TEST(Form1ControlTable, RecomposesOnlyFromControlsTheSellerChanges) {
    for (const ControlEntry& entry : content::form1Controls()) {
        if (entry.recomposes == content::Recomposes::Nothing)
            continue;
        EXPECT_TRUE(entry.kind == ControlKind::Check || entry.kind == ControlKind::Combo ||
                    entry.kind == ControlKind::Text)
            << nameOf(entry);
        EXPECT_FALSE(std::holds_alternative<std::monostate>(entry.field)) << nameOf(entry);
    }
}

// Messages about a typed profile value call it by the control the seller typed it into.
TEST(Form1ControlTable, NamesEveryTypedProfileValue) {
    for (const content::ProfileBinding& binding : content::profileBindings()) {
        const auto* text = std::get_if<QString core::ListingRecord::*>(&binding.record);
        if (text == nullptr)
            continue;
        EXPECT_FALSE(binding.label.isEmpty()) << binding.key.toString().toStdString();
    }
}

} // namespace
