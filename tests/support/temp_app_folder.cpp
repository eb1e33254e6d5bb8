#include "temp_app_folder.h"

#include "platform/cp932.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <iostream>

TempAppFolder::TempAppFolder() : m_dir(QDir::tempPath() + QStringLiteral("/tomoea-test-XXXXXX")) {
    EXPECT_TRUE(m_dir.isValid());
}

TempAppFolder::~TempAppFolder() {
    const bool failed = ::testing::Test::HasFailure();
    m_dir.setAutoRemove(!failed);
    if (failed)
        std::cerr << "kept application folder: " << m_dir.path().toStdString() << '\n';
}

QString TempAppFolder::path(const QString& relative) const {
    return m_dir.path() + QLatin1Char('/') + relative;
}

QByteArray TempAppFolder::readBytes(const QString& relative) const {
    QFile file(path(relative));
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << relative.toStdString();
        return {};
    }
    return file.readAll();
}

void TempAppFolder::writeBytes(const QString& relative, const QByteArray& bytes) const {
    const QString target = path(relative);
    QDir().mkpath(QFileInfo(target).absolutePath());
    QFile file(target);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << relative.toStdString();
    file.write(bytes);
}

void TempAppFolder::writeLines(const QString& relative, const QStringList& lines) const {
    writeBytes(relative, cp932Lines(lines));
}

QByteArray cp932Lines(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += platform::toCp932(line, platform::Unmappable::Refuse) + "\r\n";
    return bytes;
}
