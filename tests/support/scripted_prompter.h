#pragma once

#include "platform/prompter.h"

#include <QList>
#include <QStringList>
#include <gtest/gtest.h>

// Records every message and answers questions from a script; an unscripted question is a
// test failure, not a hang.
struct ScriptedPrompter : platform::Prompter {
    QList<bool> answers;
    QStringList texts;

    void inform(const QString& text) override { texts << text; }
    bool ask(const QString& text) override {
        texts << text;
        if (answers.isEmpty()) {
            ADD_FAILURE() << "unexpected question: " << text.toStdString();
            return false;
        }
        return answers.takeFirst();
    }
};
