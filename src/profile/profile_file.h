#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

namespace profile {

// The lines of a profile file held in memory, with the same reading and writing rules as
// ProfileFile; lets several writes reach the file as one replacement.
class ProfileText {
public:
    // The file's lines, or none when the file or its folder does not exist yet. Any other
    // failure throws, so an unreadable file is never replaced by a nearly empty one.
    static ProfileText load(const QString& path);
    void save(const QString& path) const;

    std::optional<QString> read(const QString& section, const QString& key) const;
    void write(const QString& section, const QString& key, const QString& value);

private:
    QList<QByteArray> m_lines; // as stored, without line ends
};

// One INI-style profile file in CP932. Section and key names match case-insensitively,
// values come back trimmed and cut to 127 bytes, an empty value reads as missing, and a
// write replaces one value in place keeping every other line of the file.
class ProfileFile {
public:
    explicit ProfileFile(QString path);

    // The value, or nothing when the file, section or key is missing or the value is empty.
    // Never throws: an unreadable file reads as missing.
    std::optional<QString> read(const QString& section, const QString& key) const;
    // Creates the file, section or key as needed. NULs and surrounding spaces are removed from
    // the value; an empty value leaves "key=" in the file. Throws platform::Error when the file
    // cannot be written, or when a name or value has a character with no CP932 form or
    // would break the line structure (a line break, "]" in a section, "=" in a key); the
    // file is then unchanged.
    void write(const QString& section, const QString& key, const QString& value) const;

    const QString& path() const { return m_path; }

private:
    QString m_path;
};

// The longest value a read gives back, in CP932 bytes.
constexpr int kMaxValueBytes = 127;

// How profile files compare section and key names: ASCII letters case-insensitively, every
// other character exactly.
bool sameProfileName(const QString& a, const QString& b);

} // namespace profile
