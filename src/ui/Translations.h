#pragma once

class QCoreApplication;

namespace suoshui::ui {

// The program's locale is Chinese whatever the system's, so that the dates, sizes and numbers
// in Qt's own dialogs read as the rest of the window: a Chinese system locale stays, any other
// becomes simplified Chinese. Qt reads the system locale from the environment once, so this is
// called first, before any application object is made.
void useChineseLocale();

// Qt's own dialogs, buttons and context menus speak Chinese, as the program does: in the
// system's Chinese when the system language is Chinese, in simplified Chinese otherwise.
void installChineseTranslations(QCoreApplication& application);

}  // namespace suoshui::ui
