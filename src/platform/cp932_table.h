#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace platform {

// CP932 bytes as UTF-8: the same text fromCp932 gives (every byte that starts no character
// becomes U+FFFD), read through a table that is built once from iconv. Converting through
// iconv for every page check took a fifth of the time the check of a large page may take.
QByteArray utf8FromCp932(QByteArrayView bytes);

} // namespace platform
