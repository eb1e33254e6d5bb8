#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A fresh application folder for one test, kept on disk when the test fails.
class TempAppFolder {
public:
    TempAppFolder();
    ~TempAppFolder();

    QString path() const { return m_dir.path(); }
    // The application folder joined with a relative name such as "ini/auction.ini".
    QString path(const QString& relative) const;

    QByteArray readBytes(const QString& relative) const;
    void writeBytes(const QString& relative, const QByteArray& bytes) const;
    // Writes the lines in CP932, each followed by CR LF.
    void writeLines(const QString& relative, const QStringList& lines) const;

private:
    QTemporaryDir m_dir;
};

// The CP932 bytes of `lines`, each followed by CR LF: expected file contents written in
// the test as Unicode text.
QByteArray cp932Lines(const QStringList& lines);
