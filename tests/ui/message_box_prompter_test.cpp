#include "modal.h"
#include "ui/desktop/message_box_prompter.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QProxyStyle>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct PromptCase {
    const char* label;
    bool question;
    Qt::Key key;
    bool expectedAnswer; // questions only
    QStringList expectedButtons;
};

void PrintTo(const PromptCase& c, std::ostream* os) {
    *os << c.label;
}

struct SeenBox {
    QString title;
    QMessageBox::Icon icon = QMessageBox::Information;
    QString text;
    QStringList buttons;
    bool buttonPictures = false;
    QString defaultButton;
};

// Qt's offscreen platform puts no pictures on standard buttons; desktops do. This style asks
// for them everywhere, so a picture left on a button shows up here too.
class PicturesOnButtonsStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* data) const override {
        if (hint == SH_DialogButtonBox_ButtonsHaveIcons)
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, data);
    }
};

class MessageBoxPrompterTest : public ::testing::TestWithParam<PromptCase> {
protected:
    static void SetUpTestSuite() { QApplication::setStyle(new PicturesOnButtonsStyle); }
};

TEST_P(MessageBoxPrompterTest, ShowsAPlainBoxAndAnswersByKey) {
    const PromptCase& c = GetParam();
    SeenBox seen;
    whenModalOpens<QMessageBox>([&seen, key = c.key](QMessageBox* box) {
        seen.title = box->windowTitle();
        seen.icon = box->icon();
        seen.text = box->text();
        for (QAbstractButton* button : box->buttons()) {
            seen.buttons << button->text();
            seen.buttonPictures = seen.buttonPictures || !button->icon().isNull();
        }
        seen.buttons.sort();
        if (box->defaultButton())
            seen.defaultButton = box->defaultButton()->text();
        QTest::keyClick(box, key);
    });

    ui::MessageBoxPrompter prompter;
    const QString text = u"保存しますか？"_s;
    if (c.question)
        EXPECT_EQ(prompter.ask(text), c.expectedAnswer);
    else
        prompter.inform(text);

    EXPECT_EQ(seen.title, u"TomoeA"_s);
    EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
    EXPECT_EQ(seen.text, text);
    QStringList expectedButtons = c.expectedButtons;
    expectedButtons.sort();
    EXPECT_EQ(seen.buttons, expectedButtons);
    EXPECT_FALSE(seen.buttonPictures);
    // Enter goes ahead: the first button is the default.
    EXPECT_EQ(seen.defaultButton, c.expectedButtons.first());
}

const QStringList kYesNo = {u"はい(&Y)"_s, u"いいえ(&N)"_s};
const QStringList kOk = {u"OK"_s};

INSTANTIATE_TEST_SUITE_P(
    Keys, MessageBoxPrompterTest,
    ::testing::Values(PromptCase{"QuestionEnterIsYes", true, Qt::Key_Return, true, kYesNo},
                      PromptCase{"QuestionEscapeIsNo", true, Qt::Key_Escape, false, kYesNo},
                      PromptCase{"QuestionLetterNIsNo", true, Qt::Key_N, false, kYesNo},
                      PromptCase{"QuestionLetterYIsYes", true, Qt::Key_Y, true, kYesNo},
                      PromptCase{"MessageEnterCloses", false, Qt::Key_Return, false, kOk},
                      PromptCase{"MessageEscapeCloses", false, Qt::Key_Escape, false, kOk}),
    [](const auto& info) { return std::string(info.param.label); });

} // namespace
