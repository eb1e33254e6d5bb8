#pragma once

#include "platform/prompter.h"

namespace ui {

// The wait cursor over the whole program while work of more than a moment runs on the
// window's thread. A message shown through prompter() lifts it while the seller reads it.
class BusyCursor : private platform::Prompter {
public:
    explicit BusyCursor(platform::Prompter& messages);
    ~BusyCursor() override;
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

    platform::Prompter& prompter() { return *this; }

private:
    void inform(const QString& text) override;
    bool ask(const QString& text) override;

    platform::Prompter& m_messages;
};

} // namespace ui
