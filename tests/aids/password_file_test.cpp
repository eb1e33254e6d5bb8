#include "aids/password_file.h"
#include "scripted_prompter.h"
#include "temp_app_folder.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(PasswordFile, StoresOneMaskedBytePerCharacterAndReadsBackAtMost256) {
    // a 0x61 ^ 0x6B = 0x0A ... 2 0x32 ^ 0x6B = 0x59; ｱ is 0xB1 in CP932 and \ is 0x5C.
    const struct {
        QString password;
        QByteArray bytes;
        QString readBack;
    } cases[] = {{u"abc2\\ｱ"_s, "\x0A\x09\x08\x59\x37\xDA", u"abc2\\ｱ"_s},
                 {QString(300, u'x'), QByteArray(300, 'x' ^ 0x6B), QString(256, u'x')}};
    for (const auto& c : cases) {
        TempAppFolder app;
        app.writeBytes(u"ini/psbin.dat"_s, "old");
        ScriptedPrompter prompter;
        EXPECT_TRUE(aids::WriteAccountPassword(app.path(), c.password, prompter));
        EXPECT_EQ(app.readBytes(u"ini/psbin.dat"_s), c.bytes) << c.password.size();
        EXPECT_EQ(aids::ReadAccountPassword(app.path(), prompter), c.readBack);
        EXPECT_TRUE(prompter.texts.isEmpty());
    }
}

TEST(PasswordFile, MissingFileReadsEmptyAndIsCreatedForTheOwnerOnly) {
    TempAppFolder app;
    app.writeBytes(u"ini/basic.ini"_s, "");
    ScriptedPrompter prompter;
    EXPECT_EQ(aids::ReadAccountPassword(app.path(), prompter), u""_s);
    EXPECT_EQ(app.readBytes(u"ini/psbin.dat"_s), QByteArray());
    EXPECT_EQ(QFile::permissions(app.path(u"ini/psbin.dat"_s)),
              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
    EXPECT_TRUE(prompter.texts.isEmpty());
}

TEST(PasswordFile, IsTheOwnersAloneAfterEveryWrite) {
    for (const bool existed : {false, true}) {
        TempAppFolder app;
        app.writeBytes(u"ini/basic.ini"_s, "");
        const QString path = app.path(u"ini/psbin.dat"_s);
        if (existed) { // as an older version or a copy left it
            app.writeBytes(u"ini/psbin.dat"_s, "old");
            ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner |
                                                        QFile::ReadGroup | QFile::ReadOther));
        }
        ScriptedPrompter prompter;
        EXPECT_TRUE(aids::WriteAccountPassword(app.path(), u"pw"_s, prompter));
        EXPECT_EQ(QFile::permissions(path) & ~(QFile::ReadUser | QFile::WriteUser),
                  QFile::ReadOwner | QFile::WriteOwner)
            << "existed " << existed;
    }
}

TEST(PasswordFile, CharacterWithoutASingleByteCodeLeavesTheFileUntouched) {
    TempAppFolder app;
    app.writeBytes(u"ini/psbin.dat"_s, "\x0A");
    ScriptedPrompter prompter;
    EXPECT_FALSE(aids::WriteAccountPassword(app.path(), u"abc漢"_s, prompter));
    EXPECT_FALSE(aids::WriteAccountPassword(app.path(), u"😀"_s, prompter));
    EXPECT_EQ(app.readBytes(u"ini/psbin.dat"_s), "\x0A");
    EXPECT_EQ(prompter.texts, QStringList(2, u"オーバーフローしました。 (M1PP 6)"_s));
}

} // namespace
