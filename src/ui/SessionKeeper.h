#pragma once

#include <QObject>
#include <functional>

#include "lists/KeptSession.h"
#include "store/KeptSessionFile.h"

class QToolButton;

namespace suoshui::ui {

// Keeps the window's session in the data folder whenever the program ends, and brings it back
// when the player clicks "恢复上次" (enabled only while a kept session exists; its hover hint says
// when it was kept). A kept session that cannot be read is named and left alone.
class SessionKeeper : public QObject {
    Q_OBJECT
  public:
    // What the keeper needs of the main window.
    struct Window {
        std::function<KeptSession()> session;             // the window's session now
        std::function<void(const KeptSession&)> restore;  // as if the player did it by hand
        std::function<void(const QString&)> tell;         // the status line
    };

    SessionKeeper(store::DataFolder folder, QToolButton* button, Window window, QObject* parent);

    // Writes the window's session now; a failure is told, never a reason not to end.
    void keep();

  private:
    void restore();
    void showButtonState();

    store::KeptSessionFile file_;
    QToolButton* button_;
    Window window_;
};

}  // namespace suoshui::ui
