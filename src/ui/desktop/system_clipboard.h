#pragma once

#include "aids/clipboard.h"

namespace ui {

// The desktop's clipboard, text only.
class SystemClipboard : public aids::Clipboard {
public:
    QString text() const override;
    void setText(const QString& text) override;
};

} // namespace ui
