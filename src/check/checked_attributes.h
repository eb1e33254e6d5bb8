#pragma once

#include <algorithm>
#include <iterator>
#include <string_view>

namespace check {

// Names in lower case, as the parser gives them.

// onclick= and the other on… attributes run a script.
inline bool isEventAttribute(std::string_view name) {
    return name.size() > 2 && name.starts_with("on");
}

// The attributes that hold an address.
inline bool isAddressAttribute(std::string_view name) {
    static constexpr std::string_view names[] = {"href",       "src",      "action", "formaction",
                                                 "background", "data",     "poster", "cite",
                                                 "codebase",   "longdesc", "lowsrc", "dynsrc"};
    return std::find(std::begin(names), std::end(names), name) != std::end(names) ||
           name.ends_with(":href");
}

} // namespace check
