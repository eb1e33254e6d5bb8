#include "platform/application_folder.h"
#include "platform/clock.h"
#include "ui/form1.h"
#include "ui/message_box_prompter.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ui::MessageBoxPrompter prompter;
    platform::SystemClock clock;
    ui::Form1Services services{platform::applicationFolder(), &prompter, nullptr, &clock};
    ui::Form1 window(services);
    window.show();
    return app.exec();
}
