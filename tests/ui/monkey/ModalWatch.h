#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>

namespace suoshui::monkey {

// A message box or dialog would wait for a player who is not there. The watch closes every
// modal widget and popup it sees and keeps what they said, so the test can fail instead of
// hanging.
class ModalWatch : public QObject {
  public:
    explicit ModalWatch(QObject* parent = nullptr);

    // Texts of the modal widgets closed since the last call.
    QStringList takeClosed();

  private:
    void closeModals();

    QTimer timer_;
    QStringList closed_;
};

}  // namespace suoshui::monkey
