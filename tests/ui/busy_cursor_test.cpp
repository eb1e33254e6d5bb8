#include "ui/desktop/busy_cursor.h"

#include <QCursor>
#include <QGuiApplication>
#include <gtest/gtest.h>
#include <optional>

namespace {

using namespace Qt::StringLiterals;

std::optional<Qt::CursorShape> overrideShape() {
    const QCursor* cursor = QGuiApplication::overrideCursor();
    return cursor ? std::optional(cursor->shape()) : std::nullopt;
}

// Notes the cursor each message is shown under; fails the message when told to.
struct CursorNotingPrompter : platform::Prompter {
    std::vector<std::optional<Qt::CursorShape>> shownUnder;
    bool fail = false;
    void inform(const QString&) override { note(); }
    bool ask(const QString&) override { return note(), true; }
    void note() {
        shownUnder.push_back(overrideShape());
        if (fail)
            throw std::runtime_error("message failed");
    }
};

struct MessageCase {
    const char* name;
    void (*show)(platform::Prompter&);
    bool fail;
};
void PrintTo(const MessageCase& c, std::ostream* os) {
    *os << c.name;
}
class BusyCursorMessage : public ::testing::TestWithParam<MessageCase> {};

// The seller reads a message under the ordinary cursor; the work goes on under the wait
// cursor afterwards, and nothing of it stays once the work is over, whatever happened.
TEST_P(BusyCursorMessage, IsShownWithoutTheWaitCursorWhichComesBackAndEndsWithTheWork) {
    CursorNotingPrompter messages;
    messages.fail = GetParam().fail;
    {
        ui::BusyCursor busy(messages);
        EXPECT_EQ(overrideShape(), Qt::WaitCursor);
        try {
            GetParam().show(busy.prompter());
        } catch (const std::runtime_error&) {
        }
        EXPECT_EQ(overrideShape(), Qt::WaitCursor);
    }
    EXPECT_EQ(messages.shownUnder, std::vector<std::optional<Qt::CursorShape>>{std::nullopt});
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, BusyCursorMessage,
    ::testing::Values(
        MessageCase{"Inform", [](platform::Prompter& p) { p.inform(u"済みました"_s); }, false},
        MessageCase{"Ask", [](platform::Prompter& p) { (void)p.ask(u"続けますか？"_s); }, false},
        MessageCase{"FailedMessage", [](platform::Prompter& p) { p.inform(u"x"_s); }, true}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
