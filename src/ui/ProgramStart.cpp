#include "ui/ProgramStart.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QIcon>

#include "ui/ProductTexts.h"

namespace suoshui::ui {

void nameProgram() {
    // The version shown in the windows is " V2.90"; the terminal shows the bare number.
    QCoreApplication::setApplicationName(QStringLiteral("suoshui"));
    QCoreApplication::setApplicationVersion(shownVersion().trimmed().remove(QLatin1Char('V')));
}

void markProgramWindows() {
    // The desktop matches the windows to the installed desktop entry by this name, and finds the
    // installed icon under it; a program run from its build folder keeps the platform's icon.
    const QString appId = QStringLiteral(SUOSHUI_APP_ID);
    QGuiApplication::setDesktopFileName(appId);
    QGuiApplication::setWindowIcon(QIcon::fromTheme(appId));
}

void answerCommandLine(int& argc, char** argv) {
    // A terminal-only application object, so that these answers work without a display.
    QCoreApplication terminal(argc, argv);
    nameProgram();
    QCommandLineParser parser;
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    // Anything else, such as the window system's own options, is left to the window
    // application, which knows them.
    parser.parse(QCoreApplication::arguments());
    if (parser.isSet(help))
        parser.showHelp();
    if (parser.isSet(version))
        parser.showVersion();
}

}  // namespace suoshui::ui
