#include <QApplication>

#include "ui/ProgramEnd.h"
#include "ui/ProgramStart.h"
#include "ui/StartWindow.h"
#include "ui/Translations.h"

int main(int argc, char** argv) {
    suoshui::ui::useChineseLocale();
    suoshui::ui::answerCommandLine(argc, argv);
    QApplication application(argc, argv);
    suoshui::ui::nameProgram();
    suoshui::ui::installChineseTranslations(application);
    suoshui::ui::markProgramWindows();
    suoshui::ui::closeWindowsWhenAskedToEnd();
    StartWindow start;
    start.show();
    return QApplication::exec();
}
