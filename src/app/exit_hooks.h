#pragma once

class QWidget;

namespace app {

// Ways for the start-up benchmark and the package test to run the program and see it work,
// chosen through the environment. Both leave at once, without the exit save.
// - TOMOEA_EXIT_AFTER_SHOW: leaves with 0 as soon as the main window is shown.
// - TOMOEA_EXIT_AFTER_PREVIEW: types a title, presses プレビュー and leaves with 0 once the
//   preview window shows the page (the web engine module loaded and rendered it); with 2
//   and the text of a message the program shows instead, with 1 after a minute of nothing.
void installExitHooks(QWidget& mainWindow);

} // namespace app
