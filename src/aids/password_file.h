#pragma once

#include "platform/prompter.h"

#include <QString>

namespace aids {

// ini/psbin.dat holds the auction account's password: one byte per character, the
// character's single-byte CP932 code XOR 0x6B, nothing else. An empty file is an empty
// password.
inline constexpr char kPasswordMask = 0x6B;
// Only this many bytes of the file are ever read.
inline constexpr int kMaxPasswordBytes = 256;

// The password in the file at `path`, which is created empty (0600) when missing. Throws
// platform::Error.
QString readPasswordFile(const QString& path);
// Replaces the password in the file at `path` (created 0600). A character without a
// single-byte code throws platform::Error (overflow) before the file is touched.
void writePasswordFile(const QString& path, const QString& password);

// The stored password of the application folder; a failure is shown as
// "description (M1PG n)" and reads as an empty password.
QString ReadAccountPassword(const QString& applicationFolder, platform::Prompter& prompter);
// Stores `password`; a failure is shown as "description (M1PP n)" and gives false, with the
// file as it was.
bool WriteAccountPassword(const QString& applicationFolder, const QString& password,
                          platform::Prompter& prompter);

} // namespace aids
