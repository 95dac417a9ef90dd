#pragma once

class QCoreApplication;

namespace suoshui::ui {

// Qt's own dialogs, buttons and context menus speak Chinese, as the program does: in the
// system's Chinese when the system language is Chinese, in simplified Chinese otherwise.
void installChineseTranslations(QCoreApplication& application);

}  // namespace suoshui::ui
