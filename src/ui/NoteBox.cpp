#include "ui/NoteBox.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLabel>

#include "ui/WindowFonts.h"

namespace suoshui::ui {

namespace {

constexpr int kNoteHeight = 15;

}  // namespace

NoteBox::NoteBox(const QString& noteName, QWidget* parent) : QPlainTextEdit(parent) {
    lines_.push_back({makeNoteLabel(noteName), {}});
    placeNotes();
}

QLabel* NoteBox::makeNoteLabel(const QString& noteName) {
    auto* label = new QLabel(this);
    label->setObjectName(noteName);
    label->setFont(heiTi(12));
    label->setStyleSheet(
        QStringLiteral("color: rgb(20, 60, 130); background: rgb(232, 242, 255);"));
    label->setContentsMargins(3, 0, 3, 0);
    return label;
}

int NoteBox::addNoteLine(const QString& noteName) {
    lines_.push_back({makeNoteLabel(noteName), {}});
    placeNotes();
    return static_cast<int>(lines_.size()) - 1;
}

void NoteBox::setNote(const QString& note, int line) {
    NoteLine& target = lines_.at(static_cast<std::size_t>(line));
    target.text = note;
    target.label->setToolTip(note);
    placeNotes();
}

QString NoteBox::note(int line) const {
    return lines_.at(static_cast<std::size_t>(line)).text;
}

void NoteBox::resizeEvent(QResizeEvent* event) {
    QPlainTextEdit::resizeEvent(event);
    placeNotes();
}

// The text area changes when the vertical bar comes or goes.
bool NoteBox::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::Resize)
        placeNotes();
    return QPlainTextEdit::viewportEvent(event);
}

// Under the text area, as wide as it, inside the frame: the first note always, the others while
// they hold text.
void NoteBox::placeNotes() {
    int shown = 0;
    for (std::size_t i = 0; i < lines_.size(); ++i)
        shown += (i == 0 || !lines_[i].text.isEmpty()) ? 1 : 0;
    if (viewportMargins().bottom() != shown * kNoteHeight)
        setViewportMargins(0, 0, 0, shown * kNoteHeight);
    const QRect text = viewport()->geometry();
    const int width = std::max(0, text.width());
    int top = text.bottom() + 1;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        QLabel* label = lines_[i].label;
        const bool visible = i == 0 || !lines_[i].text.isEmpty();
        label->setVisible(visible);
        if (!visible)
            continue;
        label->setGeometry(text.left(), top, width, kNoteHeight);
        const QFontMetrics metrics(label->font());
        label->setText(metrics.elidedText(lines_[i].text, Qt::ElideRight, std::max(0, width - 6)));
        top += kNoteHeight;
    }
}

}  // namespace suoshui::ui
