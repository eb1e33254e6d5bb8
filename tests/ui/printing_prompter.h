#pragma once

#include "platform/prompter.h"

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
