#pragma once

namespace suoshui::ui {

// However the program is asked to end, every main window closes as by "退出" and so keeps its
// session: SIGTERM, SIGINT and SIGHUP (a shut-down, a terminal closed), and the desktop
// session ending (the session manager's request to save). Call once, after the application
// object exists.
void closeWindowsWhenAskedToEnd();

}  // namespace suoshui::ui
