#include "phrase_file.h"

#include "core/message_tags.h"
#include "platform/error.h"
#include "platform/text_file.h"

namespace aids {

QString readPhraseFile(const QString& path) {
    QString text = platform::readText(path);
    if (text.isEmpty())
        throw platform::Error::fromNumber(platform::ErrorNumber::InputPastEndOfFile);
    return text;
}

std::optional<QString> loadPhraseFile(const QString& path, platform::Prompter& prompter) {
    try {
        return readPhraseFile(path);
    } catch (const platform::Error& error) {
        prompter.inform(error.report(core::tag::InsertPhrase));
        return std::nullopt;
    }
}

} // namespace aids
