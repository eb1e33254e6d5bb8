#pragma once

#include "cp932.h"
#include "safe_file.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// Every text file of the workspace is CP932 with CR LF line ends; these are the only
// places that read or write one. Failures throw platform::Error.
namespace platform {

// The whole file, or its first `limit` bytes when `limit` is not negative.
QByteArray readFileBytes(const QString& path, qsizetype limit = -1);

// The whole file decoded; line ends are left as they are in the file.
QString readText(const QString& path);
// The lines of the file without their line ends (CR LF, LF or CR). A final line end does
// not start another line.
QStringList readTextLines(const QString& path);

// Writes every line followed by CR LF, through writeFileAtomically().
void writeTextLines(const QString& path, const QStringList& lines,
                    Unmappable mode = Unmappable::CharacterReference);
// Writes `text` with every line end (LF, CR or CR LF) as CR LF.
void writeText(const QString& path, const QString& text,
               Unmappable mode = Unmappable::CharacterReference);

QString withCrLf(const QString& text);

bool pathExists(const QString& path);

} // namespace platform
