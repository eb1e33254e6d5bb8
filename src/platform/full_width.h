#pragma once

#include <QString>

namespace platform {

// The Japanese full-width form: ASCII U+0021–U+007E to U+FF01–U+FF5E, the space to U+3000,
// half-width katakana to full-width with a following ﾞ or ﾟ composed (ｶﾞ → ガ, ﾊﾟ → パ).
QString toFullWidth(const QString& text);

} // namespace platform
