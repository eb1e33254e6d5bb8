#pragma once

#include <QString>

namespace platform {

// Every message box goes through here, so a test can read and answer it.
class Prompter {
public:
    virtual ~Prompter() = default;
    // A message with an OK button only.
    virtual void inform(const QString& text) = 0;
    // A Yes/No question; true for Yes.
    virtual bool ask(const QString& text) = 0;
};

} // namespace platform
