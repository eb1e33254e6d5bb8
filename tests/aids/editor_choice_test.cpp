#include "aids/editor.h"
#include "profile/profiles.h"
#include "temp_app_folder.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;

// What the editor settings store is what starting an editor reads; without a choice the
// notepad is the editor.
TEST(EditorChoice, ReadsBackWhatWasStored) {
    TempAppFolder app;
    QDir().mkpath(app.path(u"ini"_s));
    const profile::Profiles profiles(app.path());
    EXPECT_FALSE(aids::readEditorChoice(profiles).ownProgram);

    for (const aids::EditorChoice& choice :
         {aids::EditorChoice{true, u"/usr/bin/my editor"_s}, aids::EditorChoice{false, u""_s}}) {
        aids::storeEditorChoice(profiles, choice);
        const aids::EditorChoice read = aids::readEditorChoice(profiles);
        EXPECT_EQ(read.ownProgram, choice.ownProgram);
        EXPECT_EQ(read.program, choice.program);
    }
}

} // namespace
