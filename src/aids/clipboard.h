#pragma once

#include <QString>

namespace aids {

// The system clipboard, text only; tests keep their own.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual QString text() const = 0;
    virtual void setText(const QString& text) = 0;
};

} // namespace aids
