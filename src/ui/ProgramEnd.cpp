#include "ui/ProgramEnd.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QApplication>
#include <QSessionManager>
#include <QSocketNotifier>
#include <csignal>

#include "ui/MainWindow.h"

namespace suoshui::ui {

namespace {

// A signal handler may do almost nothing: it writes a byte, and the event loop reads it.
int signalSockets[2] = {-1, -1};

void onEndSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalSockets[0], &byte, 1);
}

void keepEverySession() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<MainWindow*>(widget))
            window->keepSession();
    }
}

}  // namespace

void closeWindowsWhenAskedToEnd() {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalSockets) == 0) {
        auto* notifier = new QSocketNotifier(signalSockets[1], QSocketNotifier::Read, qApp);
        QObject::connect(notifier, &QSocketNotifier::activated, qApp, [] {
            char byte = 0;
            [[maybe_unused]] const ssize_t read = ::read(signalSockets[1], &byte, 1);
            // Each window closes as by "退出": it keeps its session, and the last one to close
            // ends the program. A window in the middle of a run closes once the run stops.
            QApplication::closeAllWindows();
        });
        struct sigaction action = {};
        action.sa_handler = onEndSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        for (int signal : {SIGTERM, SIGINT, SIGHUP})
            sigaction(signal, &action, nullptr);
    }
    // The desktop may end the session without closing the windows first.
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, qApp,
                     [](QSessionManager&) { keepEverySession(); });
}

}  // namespace suoshui::ui
