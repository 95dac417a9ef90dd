#include "ui/NoteBox.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLabel>

#include "ui/WindowFonts.h"

namespace suoshui::ui {

namespace {

constexpr int kNoteHeight = 15;

}  // namespace

NoteBox::NoteBox(const QString& noteName, QWidget* parent)
    : QPlainTextEdit(parent), noteLabel_(new QLabel(this)) {
    noteLabel_->setObjectName(noteName);
    noteLabel_->setFont(heiTi(12));
    noteLabel_->setStyleSheet(
        QStringLiteral("color: rgb(20, 60, 130); background: rgb(232, 242, 255);"));
    noteLabel_->setContentsMargins(3, 0, 3, 0);
    setViewportMargins(0, 0, 0, kNoteHeight);
    placeNote();
}

void NoteBox::setNote(const QString& note) {
    note_ = note;
    noteLabel_->setToolTip(note);
    placeNote();
}

void NoteBox::resizeEvent(QResizeEvent* event) {
    QPlainTextEdit::resizeEvent(event);
    placeNote();
}

// The text area changes when the vertical bar comes or goes.
bool NoteBox::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::Resize)
        placeNote();
    return QPlainTextEdit::viewportEvent(event);
}

// Under the text area, as wide as it, inside the frame.
void NoteBox::placeNote() {
    const QRect text = viewport()->geometry();
    const int width = std::max(0, text.width());
    noteLabel_->setGeometry(text.left(), text.bottom() + 1, width, kNoteHeight);
    const QFontMetrics metrics(noteLabel_->font());
    noteLabel_->setText(metrics.elidedText(note_, Qt::ElideRight, std::max(0, width - 6)));
}

}  // namespace suoshui::ui
