#pragma once

class QCoreApplication;

namespace app {

// Makes Qt's own texts (standard buttons, file and colour dialogs) Japanese whatever the
// locale. False when Qt's Japanese catalogue is not installed; Qt then keeps English.
bool installJapaneseQtTranslations(QCoreApplication& application);

} // namespace app
