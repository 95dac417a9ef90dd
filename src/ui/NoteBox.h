#pragma once

#include <QPlainTextEdit>

class QLabel;

namespace suoshui::ui {

// A multi-line box with a one-line note along its foot, inside its frame: the result box says
// there what the last action did, the base list what was read from it. The note never mixes
// with the box's text, which the program reads and writes as before.
class NoteBox : public QPlainTextEdit {
    Q_OBJECT
  public:
    NoteBox(const QString& noteName, QWidget* parent);

    // Shows the note, shortened with "…" when it does not fit; its hover hint holds it whole.
    void setNote(const QString& note);
    QString note() const { return note_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;
    bool viewportEvent(QEvent* event) override;

  private:
    void placeNote();

    QLabel* noteLabel_;
    QString note_;
};

}  // namespace suoshui::ui
