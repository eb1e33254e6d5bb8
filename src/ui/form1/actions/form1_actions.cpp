#include "ui/form1/actions/form1_actions.h"

namespace ui {

void connectForm1Actions(const Form1Context& context) {
    connectSummaryActions(context);
    connectHeldActions(context);
    connectExitActions(context);
    connectPhraseActions(context);
    connectPageActions(context);
    connectListingActions(context);
    connectFileManagerActions(context);
    connectAccountActions(context);
    connectBackupActions(context);
    connectDataFolderActions(context);
}

} // namespace ui
