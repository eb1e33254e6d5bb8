#include "start_up.h"

#include "core/message_tags.h"
#include "prepare_workspace.h"

namespace app {

std::unique_ptr<ui::Form1> StartUp(const ui::Form1Services& services) {
    if (const auto failure = PrepareWorkspace(services.applicationFolder, *services.clock)) {
        if (failure->number() != platform::ErrorNumber::FileNotFound)
            services.prompter->inform(failure->report(core::tag::StartUp.toString()));
        return nullptr;
    }
    auto window = std::make_unique<ui::Form1>(services);
    window->show();
    return window;
}

} // namespace app
