#pragma once

#include "platform/prompter.h"

#include <QDir>
#include <QString>
#include <cstdio>

// The screenshot tools' prompter: messages go to standard error, and every question gets
// the same answer, so a tool never stops at a message box.
struct PrintingPrompter : platform::Prompter {
    explicit PrintingPrompter(bool answer = false) : m_answer(answer) {}
    void inform(const QString& text) override {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
    }
    bool ask(const QString& text) override {
        inform(text);
        return m_answer;
    }

private:
    bool m_answer;
};

// The screenshot tools' output folder: the first argument, or `fallback`; made if missing.
inline QString screenshotFolder(int argc, char** argv, const QString& fallback) {
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : fallback;
    QDir().mkpath(folder);
    return folder;
}
