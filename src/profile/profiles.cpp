#include "profiles.h"

#include "platform/error.h"

#include <QRegularExpression>
#include <algorithm>
#include <iterator>
#include <utility>

namespace profile {
namespace {

using core::Workspace;

const QString kOn = QStringLiteral("1");
const QString kOff = QStringLiteral("0");

// A decimal number is zero exactly when no digit of its mantissa is non-zero, so any
// length of number can be judged without converting it.
bool isNonZeroNumber(const QString& text) {
    static const QRegularExpression number(
        QStringLiteral(R"(^[+-]?([0-9]+(?:\.[0-9]*)?|\.[0-9]+)(?:[eE][+-]?[0-9]+)?$)"));
    const QRegularExpressionMatch match = number.match(text);
    if (!match.hasMatch())
        return false;
    const QString mantissa = match.captured(1);
    return std::any_of(mantissa.begin(), mantissa.end(),
                       [](QChar c) { return c >= u'1' && c <= u'9'; });
}

// A stored flag as the boolean it spells: a non-zero number or True is on; 0, False and
// any other text are off, so a damaged value switches an option off rather than on.
QString flagOf(const QString& stored) {
    if (stored.compare(u"True", Qt::CaseInsensitive) == 0)
        return kOn;
    return isNonZeroNumber(stored) ? kOn : kOff;
}

QString textOrFlag(const std::optional<QString>& stored, bool asFlag) {
    if (!stored)
        return asFlag ? kOff : QString();
    return asFlag ? flagOf(*stored) : *stored;
}

constexpr const char16_t* kFontKeys[] = {u"ttlstyle", u"ttlsize", u"ttlclr",
                                         u"mdsstyle", u"mdssize", u"mdsclr",
                                         u"srstyle",  u"srsize",  u"srclr"};

bool isFontKey(const QString& key) {
    return std::any_of(std::begin(kFontKeys), std::end(kFontKeys), [&](const char16_t* name) {
        return sameProfileName(key, QString::fromUtf16(name));
    });
}

bool isSection(const QString& section, const char16_t* name) {
    return sameProfileName(section, QString::fromUtf16(name));
}

// What setting.ini gives for a key that is missing or empty.
QString settingDefault(const QString& section, const QString& key) {
    if (isSection(section, u"color"))
        return sameProfileName(key, QStringLiteral("main")) ? QStringLiteral("1")
                                                            : QStringLiteral("16777215");
    if (isSection(section, u"template"))
        return QStringLiteral("temp1.tmpl");
    if (isSection(section, u"disp"))
        return QStringLiteral("0");
    if (isSection(section, u"font") && isFontKey(key))
        return QStringLiteral("0");
    return QString();
}

} // namespace

Profiles::Profiles(QString applicationFolder) : m_workspace{std::move(applicationFolder)} {}

ProfileBatch::ProfileBatch(const Profiles& profiles) : m_profiles(profiles) {
    Q_ASSERT(profiles.m_batch == nullptr);
    profiles.m_batch = this;
}

ProfileBatch::~ProfileBatch() {
    try {
        commit();
    } catch (const platform::Error&) {
    }
}

void ProfileBatch::commit() {
    if (m_profiles.m_batch != this)
        return;
    m_profiles.m_batch = nullptr;
    // One file that cannot be written does not keep the others from being written.
    std::optional<platform::Error> failure;
    for (const auto& [path, file] : m_files) {
        try {
            if (file.changed)
                file.text.save(path);
        } catch (const platform::Error& error) {
            if (!failure)
                failure = error;
        }
    }
    if (failure)
        throw *failure;
}

ProfileBatch::PendingFile& ProfileBatch::pending(const QString& path) {
    auto found = m_files.find(path);
    if (found == m_files.end())
        found = m_files.emplace(path, PendingFile{ProfileText::load(path)}).first;
    return found->second;
}

void Profiles::write(QStringView file, const QString& section, const QString& key,
                     const QString& value) const {
    const QString path = m_workspace.path(file);
    if (!m_batch) {
        ProfileFile(path).write(section, key, value);
        return;
    }
    ProfileBatch::PendingFile& pending = m_batch->pending(path);
    pending.text.write(section, key, value);
    pending.changed = true;
}

std::optional<QString> Profiles::read(QStringView file, const QString& section,
                                      const QString& key) const {
    const QString path = m_workspace.path(file);
    if (!m_batch)
        return ProfileFile(path).read(section, key);
    try {
        return m_batch->pending(path).text.read(section, key);
    } catch (const platform::Error&) {
        return std::nullopt; // an unreadable file reads as missing, as outside a batch
    }
}

QString Profiles::ReadAuctionIni(const QString& section, const QString& key, bool asFlag) const {
    return textOrFlag(read(Workspace::AuctionIni, section, key), asFlag);
}

void Profiles::WriteAuctionIni(const QString& section, const QString& key,
                               const QString& value) const {
    write(Workspace::AuctionIni, section, key, value);
}

QString Profiles::ReadBasicIni(const QString& section, const QString& key, bool asFlag) const {
    return textOrFlag(read(Workspace::BasicIni, section, key), asFlag);
}

void Profiles::WriteBasicIni(const QString& section, const QString& key,
                             const QString& value) const {
    write(Workspace::BasicIni, section, key, value);
}

QString Profiles::ReadSettingIni(const QString& section, const QString& key) const {
    // Only the nine known font keys are ever read from the font section.
    if (isSection(section, u"font") && !isFontKey(key))
        return QString();
    const std::optional<QString> stored = read(Workspace::SettingIni, section, key);
    return stored ? *stored : settingDefault(section, key);
}

void Profiles::WriteSettingIni(const QString& section, const QString& key,
                               const QString& value) const {
    write(Workspace::SettingIni, section, key, value);
}

} // namespace profile
