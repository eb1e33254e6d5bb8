#pragma once

#include <QString>

#include <optional>

namespace profile {

// One INI-style profile file in CP932. Section and key names match case-insensitively,
// values come back trimmed and cut to 127 bytes, an empty value reads as missing, and a
// write replaces one value in place keeping every other line of the file.
class ProfileFile {
public:
    explicit ProfileFile(QString path);

    // The value, or nothing when the file, section or key is missing or the value is empty.
    std::optional<QString> read(const QString& section, const QString& key) const;
    // Creates the file, section or key as needed. Throws platform::Error when the file cannot
    // be written, or when a name or value has a character with no CP932 form.
    void write(const QString& section, const QString& key, const QString& value) const;

    const QString& path() const { return m_path; }

private:
    QString m_path;
};

} // namespace profile
