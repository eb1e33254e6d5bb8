#include "editor.h"

#include "platform/error.h"
#include "profile/profiles.h"

#include <QFileInfo>
#include <QProcess>

namespace aids {
namespace {

class ProgramSession : public EditorSession {
public:
    ProgramSession(const QString& program, const QString& path) {
        // The editor is the seller's window; what it prints has no reader here.
        m_process.setStandardInputFile(QProcess::nullDevice());
        m_process.setStandardOutputFile(QProcess::nullDevice());
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        connect(&m_process, &QProcess::finished, this, [this] {
            m_ended = true;
            emit ended();
        });
        m_process.start(program, {path});
        if (!m_process.waitForStarted(-1)) {
            throw platform::Error::fromNumber(QFileInfo::exists(program)
                                                  ? platform::ErrorNumber::InvalidArgument
                                                  : platform::ErrorNumber::FileNotFound);
        }
    }

    bool hasEnded() const override { return m_ended; }

private:
    QProcess m_process;
    bool m_ended = false;
};

} // namespace

std::unique_ptr<EditorSession> EditorLauncher::startProgram(const QString& program,
                                                            const QString& path) {
    return std::make_unique<ProgramSession>(program, path);
}

bool namesExistingFile(const QString& path) {
    return !path.isEmpty() && QFileInfo(path).isFile();
}

EditorChoice readEditorChoice(const profile::Profiles& profiles) {
    const QString section = kEditorSection.toString();
    return {profiles.ReadAuctionIni(section, kEditorKey.toString(), true) != u"0",
            profiles.ReadAuctionIni(section, kMyEditorKey.toString(), false)};
}

void storeEditorChoice(const profile::Profiles& profiles, const EditorChoice& choice) {
    const QString section = kEditorSection.toString();
    profiles.WriteAuctionIni(section, kMyEditorKey.toString(), choice.program);
    profiles.WriteAuctionIni(section, kEditorKey.toString(),
                             choice.ownProgram ? QStringLiteral("1") : QStringLiteral("0"));
}

std::unique_ptr<EditorSession> StartEditor(const QString& path, const profile::Profiles& profiles,
                                           EditorLauncher& launcher, platform::Prompter& prompter) {
    const QString section = kEditorSection.toString();
    if (profiles.ReadAuctionIni(section, kEditorKey.toString(), true) == u"0")
        return launcher.openNotepad(path);
    const QString program = profiles.ReadAuctionIni(section, kMyEditorKey.toString(), false);
    if (namesExistingFile(program))
        return launcher.startProgram(program, path);
    profiles.WriteAuctionIni(section, kEditorKey.toString(), QStringLiteral("0"));
    prompter.inform(QStringLiteral("エディタ名が無効です。再設定してください。"));
    return launcher.openNotepad(path);
}

} // namespace aids
