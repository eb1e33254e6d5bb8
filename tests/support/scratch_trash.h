#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// The desktop trash of a test: HOME and XDG_DATA_HOME point into a temporary folder for the
// life of this object, so that deleting never fills the real trash. The folder is on the
// file system of the test's other temporary folders, as a workspace is on its home's.
class ScratchTrash {
public:
    ScratchTrash()
        : m_home(qgetenv("HOME")), m_dataHome(qgetenv("XDG_DATA_HOME")),
          m_hadDataHome(qEnvironmentVariableIsSet("XDG_DATA_HOME")) {
        qputenv("HOME", QFile::encodeName(m_dir.path()));
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_dir.path() + QStringLiteral("/share")));
    }
    ~ScratchTrash() {
        qputenv("HOME", m_home);
        if (m_hadDataHome)
            qputenv("XDG_DATA_HOME", m_dataHome);
        else
            qunsetenv("XDG_DATA_HOME");
    }
    ScratchTrash(const ScratchTrash&) = delete;
    ScratchTrash& operator=(const ScratchTrash&) = delete;

    QString path() const { return m_dir.path() + QStringLiteral("/share/Trash"); }
    // The names in the trash, sorted.
    QStringList files() const {
        return QDir(path() + QStringLiteral("/files"))
            .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
    }
    // The original path the trash keeps for a name of files().
    QString originalPath(const QString& name) const {
        QFile info(path() + QStringLiteral("/info/") + name + QStringLiteral(".trashinfo"));
        if (!info.open(QIODevice::ReadOnly))
            return {};
        for (const QByteArray& line : info.readAll().split('\n')) {
            if (line.startsWith("Path="))
                return QString::fromUtf8(QByteArray::fromPercentEncoding(line.mid(5)));
        }
        return {};
    }
    // As on a file system without a trash: a plain file where the trash folder belongs.
    void makeUnusable() const {
        QDir().mkpath(m_dir.path() + QStringLiteral("/share"));
        QFile file(path());
        file.open(QIODevice::WriteOnly);
    }

private:
    QTemporaryDir m_dir;
    QByteArray m_home;
    QByteArray m_dataHome;
    bool m_hadDataHome;
};
