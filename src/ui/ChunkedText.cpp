#include "ui/ChunkedText.h"

#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextCursor>

#include "ui/EventPass.h"

namespace suoshui::ui {

namespace {

// The box is read-only and keeps no undo history while it fills: a record of the whole text
// would double the memory, and setPlainText leaves no history either.
class FillingState {
  public:
    explicit FillingState(QPlainTextEdit* box)
        : box_(box), wasReadOnly_(box->isReadOnly()), hadUndo_(box->isUndoRedoEnabled()) {
        box->setReadOnly(true);
        box->setUndoRedoEnabled(false);
    }
    ~FillingState() {
        if (!box_)
            return;
        box_->setUndoRedoEnabled(hadUndo_);
        box_->setReadOnly(wasReadOnly_);
        box_->moveCursor(QTextCursor::Start);  // where setPlainText leaves it
    }
    FillingState(const FillingState&) = delete;
    FillingState& operator=(const FillingState&) = delete;

  private:
    QPointer<QPlainTextEdit> box_;
    bool wasReadOnly_;
    bool hadUndo_;
};

// Drawing and timers only; the player's input stays queued until the box is whole.
void passPendingEvents() {
    letEventsThrough(false);
}

}  // namespace

qsizetype chunkedPieceEnd(const QString& text, qsizetype from, qsizetype pieceSize) {
    const qsizetype limit = from + pieceSize;
    if (limit >= text.size())
        return text.size();
    const qsizetype lastBreak = text.lastIndexOf(QLatin1Char('\n'), limit - 1);
    if (lastBreak >= from)
        return lastBreak + 1;
    const qsizetype nextBreak = text.indexOf(QLatin1Char('\n'), limit);
    return nextBreak < 0 ? text.size() : nextBreak + 1;
}

void setPlainTextInPieces(QPlainTextEdit* box, const QString& text, qsizetype pieceSize) {
    QPointer<QPlainTextEdit> alive(box);
    FillingState filling(box);
    box->clear();
    QTextCursor end(box->document());
    for (qsizetype from = 0; from < text.size();) {
        const qsizetype to = chunkedPieceEnd(text, from, pieceSize);
        end.movePosition(QTextCursor::End);
        end.insertText(text.mid(from, to - from));
        from = to;
        passPendingEvents();
        if (!alive)  // the window went away meanwhile
            return;
    }
}

void putPlainText(QPlainTextEdit* box, const QString& text) {
    if (text.size() < kChunkedTextThreshold)
        box->setPlainText(text);
    else
        setPlainTextInPieces(box, text);
}

}  // namespace suoshui::ui
