#pragma once

#include "content/listing_form_controller.h"
#include "ui/form1/form1_widgets.h"

namespace aids {
class Clipboard;
class PhraseEditing;
} // namespace aids

namespace ui {

class Form1;
struct Form1Services;

// What an action of the main window works with.
struct Form1Context {
    // record(), applyRecord() and showPage(n).
    Form1& window;
    // Every control, as m_ + its control name.
    Form1Widgets& widgets;
    // The workspace, the held selections, the region list and link table, the rates, the
    // composers and the prompter.
    content::ListingFormController& form;
    // The prompter, the common dialogs and the clock.
    const Form1Services& services;
    // The phrase and editor actions and the editor-running flag.
    aids::PhraseEditing& phrases;
    // Written only by the copies the seller asks for.
    aids::Clipboard& clipboard;
};

// Each group of actions is one file, form1_<group>_actions.cpp, with one function that
// connects the group's controls to what they do. A new group adds its function here and
// one line to connectForm1Actions() in form1_actions.cpp; nothing else changes.
void connectSummaryActions(const Form1Context& context);     // payment and shipping summaries
void connectHeldActions(const Form1Context& context);        // held values follow the seller
void connectExitActions(const Form1Context& context);        // 終了 and the end menu entry
void connectPhraseActions(const Form1Context& context);      // phrases, editors, field aids
void connectPageActions(const Form1Context& context);        // template, preview, finish, list
void connectListingActions(const Form1Context& context);     // drafts, reopening, about box
void connectFileManagerActions(const Form1Context& context); // ファイルの一覧
void connectAccountActions(const Form1Context& context);     // account, web actions, manual
void connectBackupActions(const Form1Context& context);      // backup and restore
void connectDataFolderActions(const Form1Context& context);  // the data folder on the desktop

// Every group above, in order; runs once the start-up sequence has filled the window.
void connectForm1Actions(const Form1Context& context);

} // namespace ui
