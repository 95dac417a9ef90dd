#pragma once

#include <QPlainTextEdit>
#include <vector>

class QLabel;

namespace suoshui::ui {

// A multi-line box with one-line notes along its foot, inside its frame: the result box says
// there what the last action did (and, once a draw is checked, whether the result won), the base
// list what was read from it. The notes never mix with the box's text, which the program reads
// and writes as before.
class NoteBox : public QPlainTextEdit {
    Q_OBJECT
  public:
    NoteBox(const QString& noteName, QWidget* parent);

    // A further note under the first, taking room only while it holds text. Gives its line.
    int addNoteLine(const QString& noteName);

    // Shows the note, on a second line when it does not fit on one and shortened with "…" only
    // when it does not fit on two; its hover hint holds it whole.
    void setNote(const QString& note, int line = 0);
    QString note(int line = 0) const;

  protected:
    void resizeEvent(QResizeEvent* event) override;
    // A pasted line of megabytes comes in broken into short lines (see withShortBoxLines).
    void insertFromMimeData(const QMimeData* source) override;
    bool viewportEvent(QEvent* event) override;

  private:
    struct NoteLine {
        QLabel* label;
        QString text;
    };

    QLabel* makeNoteLabel(const QString& noteName);
    int noteLineCount(const NoteLine& line, int width) const;
    int noteHeight(const NoteLine& line, int lineCount) const;
    QString fittedText(const NoteLine& line, int width, int lineCount) const;
    void placeNotes();

    std::vector<NoteLine> lines_;
};

}  // namespace suoshui::ui
