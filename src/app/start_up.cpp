#include "start_up.h"

#include "backup/backup.h"
#include "core/message_tags.h"
#include "prepare_workspace.h"

namespace app {

std::unique_ptr<ui::Form1> StartUp(const ui::Form1Services& services) {
    // Before the workspace is prepared: a restore cut short may have set its folders aside,
    // and preparing would put empty ones in their place.
    const QString repaired = backup::RepairInterruptedWork(services.applicationFolder);
    if (!repaired.isEmpty())
        services.prompter->inform(repaired);
    if (const auto failure = PrepareWorkspace(services.applicationFolder, *services.clock)) {
        if (failure->number() != platform::ErrorNumber::FileNotFound)
            services.prompter->inform(failure->report(core::tag::StartUp));
        return nullptr;
    }
    auto window = std::make_unique<ui::Form1>(services);
    window->show();
    return window;
}

} // namespace app
