#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QMap>
#include <QString>

// A workspace with every kind of file the program keeps: profiles, the password file,
// CP932 text files, templates, the index with `listings` listings (finished and listed in
// turn, Japanese titles with half-width characters), their detail, description and page
// files, the draft, an empty file and an empty folder. Returns the newest listing's time.
QDateTime writeSampleWorkspace(const QString& applicationFolder, int listings);

// Every folder (mapped to "<folder>") and file (mapped to its bytes) below the workspace
// folders of `applicationFolder`, by relative path.
QMap<QString, QByteArray> workspaceTree(const QString& applicationFolder);
