#include "ui/NoteBox.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QMimeData>

#include "ui/LineEnds.h"
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
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
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

void NoteBox::insertFromMimeData(const QMimeData* source) {
    if (isReadOnly() || !source->hasText()) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    insertPlainText(withShortBoxLines(source->text()));
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

// A note that does not fit on one line takes a second one; only what does not fit on two is
// shortened, so the player reads the whole sentence, not its start.
int NoteBox::noteLineCount(const NoteLine& line, int width) const {
    const QFontMetrics metrics(line.label->font());
    return metrics.horizontalAdvance(line.text) > width ? 2 : 1;
}

// One line keeps the box's text area as it always was; a second line needs the font's whole
// spacing so that neither line is cut.
int NoteBox::noteHeight(const NoteLine& line, int lineCount) const {
    if (lineCount <= 1)
        return lineCount * kNoteHeight;
    return lineCount * QFontMetrics(line.label->font()).lineSpacing();
}

QString NoteBox::fittedText(const NoteLine& line, int width, int lineCount) const {
    const QFontMetrics metrics(line.label->font());
    if (lineCount == 1)
        return metrics.elidedText(line.text, Qt::ElideRight, width);
    // Breaking lines loses up to a character's width at the end of the first.
    const int room = 2 * width - metrics.horizontalAdvance(QStringLiteral("中国"));
    return metrics.elidedText(line.text, Qt::ElideRight, std::max(0, room));
}

// Under the text area, as wide as it, inside the frame: the first note always, the others while
// they hold text.
void NoteBox::placeNotes() {
    const int width = std::max(0, viewport()->geometry().width());
    const int textWidth = std::max(0, width - 6);
    int height = 0;
    std::vector<int> lineCounts;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const bool visible = i == 0 || !lines_[i].text.isEmpty();
        lineCounts.push_back(visible ? noteLineCount(lines_[i], textWidth) : 0);
        height += noteHeight(lines_[i], lineCounts.back());
    }
    if (viewportMargins().bottom() != height)
        setViewportMargins(0, 0, 0, height);
    const QRect area = viewport()->geometry();
    int top = area.bottom() + 1;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        QLabel* label = lines_[i].label;
        label->setVisible(lineCounts[i] > 0);
        if (lineCounts[i] == 0)
            continue;
        const int lineHeight = noteHeight(lines_[i], lineCounts[i]);
        label->setGeometry(area.left(), top, width, lineHeight);
        label->setText(fittedText(lines_[i], textWidth, lineCounts[i]));
        top += lineHeight;
    }
}

}  // namespace suoshui::ui
