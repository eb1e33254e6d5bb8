#include "ui/form1/form1_keyboard_order.h"

#include "content/form1_controls.h"

#include <algorithm>
#include <array>

namespace ui {

using content::ControlEntry;
using content::ControlKind;
using content::form1Control;
using content::form1Controls;

namespace {

constexpr std::array<QStringView, 5> kColourPickers = {u"CommandT", u"CommandM", u"CommandSR",
                                                       u"L92", u"L93"};

bool isColourPicker(QStringView name) {
    return std::find(kColourPickers.begin(), kColourPickers.end(), name) != kColourPickers.end();
}

bool takesFocus(const ControlEntry& entry) {
    switch (entry.kind) {
    case ControlKind::Tabs:
    case ControlKind::Text:
    case ControlKind::MultiLineText:
    case ControlKind::Check:
    case ControlKind::Option:
    case ControlKind::Combo:
    case ControlKind::Button:
        return true;
    case ControlKind::BackSwatch:
    case ControlKind::ForeSwatch:
        return isColourPicker(entry.name);
    case ControlKind::Frame:
    case ControlKind::Label:
    case ControlKind::Display:
    case ControlKind::Picture:
    case ControlKind::Menu:
    case ControlKind::MenuItem:
    case ControlKind::Separator:
        break;
    }
    return false;
}

// Moves the controls of `frame` (keeping their order) to just after `anchor`.
void moveFrameAfter(std::vector<QStringView>& order, QStringView frame, QStringView anchor) {
    const auto inFrame = [frame](QStringView name) { return form1Control(name).frame == frame; };
    std::vector<QStringView> moved;
    std::copy_if(order.begin(), order.end(), std::back_inserter(moved), inFrame);
    order.erase(std::remove_if(order.begin(), order.end(), inFrame), order.end());
    const auto at = std::find(order.begin(), order.end(), anchor);
    order.insert(at == order.end() ? at : at + 1, moved.begin(), moved.end());
}

} // namespace

std::vector<QStringView> form1TabOrder() {
    std::vector<QStringView> order;
    for (const ControlEntry& entry : form1Controls()) {
        if (takesFocus(entry))
            order.push_back(entry.name);
    }
    // The seller writes the description right after the title, so Tab goes there first;
    // the title's clear button and the product search follow the description's buttons.
    moveFrameAfter(order, u"Frame2", u"TextBoxタイトル");
    return order;
}

std::span<const QStringView> form1ColourPickers() {
    return kColourPickers;
}

} // namespace ui
