#pragma once

#include "platform/prompter.h"

#include <QObject>
#include <QString>
#include <memory>

namespace profile {
class Profiles;
}

namespace aids {

// One editor working on a file: the built-in notepad window or the seller's own program.
// It emits ended() once, when the window is gone or the program has exited.
class EditorSession : public QObject {
    Q_OBJECT
public:
    virtual bool hasEnded() const = 0;

signals:
    void ended();
};

// Starts the editors; the notepad is a window, so the window layer supplies it.
class EditorLauncher {
public:
    virtual ~EditorLauncher() = default;
    // Opens the built-in notepad on `path`. Throws platform::Error when it cannot.
    virtual std::unique_ptr<EditorSession> openNotepad(const QString& path) = 0;
    // Runs `program` with `path` as its one argument (blanks in either need no quoting).
    // Throws platform::Error when the program cannot be started.
    virtual std::unique_ptr<EditorSession> startProgram(const QString& program,
                                                        const QString& path);
};

// True when `path` names a file that exists (a folder does not count).
bool namesExistingFile(const QString& path);

// Starts the editor that auction.ini's Section設定 chooses on `path`: the notepad for
// editor = 0, else the program myeditor names. An empty myeditor or one that names no
// file sets editor back to 0, tells the seller so and opens the notepad. Throws
// platform::Error when nothing could be started or the setting could not be written.
std::unique_ptr<EditorSession> StartEditor(const QString& path, const profile::Profiles& profiles,
                                           EditorLauncher& launcher, platform::Prompter& prompter);

// The editor choice as auction.ini keeps it.
struct EditorChoice {
    bool ownProgram = false; // editor = 0 (or missing) chooses the notepad
    QString program;         // myeditor
};
EditorChoice readEditorChoice(const profile::Profiles& profiles);
// The program first: one that cannot be stored (a character without a CP932 form) then leaves
// both keys as they were. Throws platform::Error.
void storeEditorChoice(const profile::Profiles& profiles, const EditorChoice& choice);

inline constexpr QStringView kEditorSection = u"Section設定";
inline constexpr QStringView kEditorKey = u"editor";
inline constexpr QStringView kMyEditorKey = u"myeditor";

} // namespace aids
