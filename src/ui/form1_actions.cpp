#include "form1_actions.h"

namespace ui {

void connectForm1Actions(const Form1Context& context) {
    connectSummaryActions(context);
    connectHeldActions(context);
    connectExitActions(context);
}

} // namespace ui
