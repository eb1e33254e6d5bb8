#pragma once

#include <QString>
#include <stdexcept>

namespace platform {

// The numbers the program's messages show; the seller sees them in reports like
// "ファイルが見つかりません。 (CH 53)".
namespace ErrorNumber {
constexpr int InvalidArgument = 5;
constexpr int Overflow = 6;
constexpr int SubscriptOutOfRange = 9;
constexpr int TypeMismatch = 13;
constexpr int FileNotFound = 53;
constexpr int FileAlreadyOpen = 55;
constexpr int DiskFull = 61;
constexpr int InputPastEndOfFile = 62;
constexpr int PermissionDenied = 70;
constexpr int PathFileAccessError = 75;
constexpr int PathNotFound = 76;
constexpr int ObjectNotSet = 91;
constexpr int InvalidPropertyValue = 380; // a list position outside the list
} // namespace ErrorNumber

// A failure carrying an error number and its Japanese description.
class Error : public std::runtime_error {
public:
    Error(int number, const QString& description);

    // The standard description of one of the numbers above.
    static Error fromNumber(int number);
    // Maps an errno value from a file operation on `path` onto the numbers above.
    static Error fromErrno(int errnoValue, const QString& path);

    int number() const { return m_number; }
    const QString& description() const { return m_description; }
    // "description (TAG number)", the one message an action shows for its failure.
    QString report(QStringView tag) const;

private:
    int m_number;
    QString m_description;
};

QString standardDescription(int number);

} // namespace platform
