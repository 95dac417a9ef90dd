#include "ui/ValueBox.h"

#include <QPainter>

#include "features/ConditionTable.h"
#include "ui/WindowColours.h"
#include "ui/WindowFonts.h"

namespace suoshui::ui {

LitColours includeScheme() {
    return {QColor(0, 0, 0), QColor(0, 255, 0)};
}

LitColours excludeScheme() {
    return {QColor(255, 255, 0), QColor(255, 0, 0)};
}

LitColours toggleScheme() {
    return {QColor(0, 0, 0), QColor(150, 192, 236)};
}

LitColours startSchemeOfTag(int tag) {
    return startsExcluded(tag) ? excludeScheme() : includeScheme();
}

ValueBox::ValueBox(int tag, const QString& caption, QWidget* parent)
    : QAbstractButton(parent),
      tag_(tag),
      caption_(caption.toStdString()),
      lit_(startSchemeOfTag(tag)) {
    setCheckable(true);
    setText(caption);
    setProperty("tag", tag);
    setFont(songTi(12));
    // Reached by click or by the arrow keys; Tab reaches the rows through one entry box.
    setFocusPolicy(Qt::ClickFocus);
}

void ValueBox::setLitColours(const LitColours& colours) {
    lit_ = colours;
    update();
}

void ValueBox::setOmission(std::optional<QString> omission) {
    if (omission_ == omission)
        return;
    omission_ = omission;
    update();
}

QSize ValueBox::sizeHint() const {
    return {fontMetrics().horizontalAdvance(text()) + 8, 16};
}

void ValueBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const bool lit = isChecked();
    const bool enabled = isEnabled();
    const QRect area = rect().adjusted(0, 0, -1, -1);
    // A box the player cannot click looks so: faded, whether ticked or not.
    QColor background = lit ? lit_.background : kFrameFill;
    QColor text = lit ? lit_.text : QColor(0, 0, 0);
    if (!enabled) {
        background = lit ? background.lighter(160) : kDisabledFill;
        text = QColor(150, 160, 175);
    }
    painter.fillRect(rect(), background);
    // A raised edge when unticked and a sunken one when ticked, as a toggle button shows.
    const QColor shade = enabled ? QColor(90, 110, 140) : QColor(170, 180, 195);
    painter.setPen(lit ? shade : QColor(255, 255, 255));
    painter.drawLine(area.topLeft(), area.topRight());
    painter.drawLine(area.topLeft(), area.bottomLeft());
    painter.setPen(lit ? QColor(255, 255, 255) : shade);
    painter.drawLine(area.bottomLeft(), area.bottomRight());
    painter.drawLine(area.topRight(), area.bottomRight());
    painter.setPen(text);
    if (omission_)
        paintWithOmission(painter, text);
    else
        painter.drawText(rect(), Qt::AlignCenter, this->text());
    // The box the keyboard is on.
    if (hasFocus()) {
        painter.setPen(QPen(kFocusMark, 2));
        painter.drawRect(rect().adjusted(1, 1, -1, -1));
    }
}

// The omission goes small into the upper right corner. Where the centred caption leaves too
// little room there, the caption moves to the left edge; where even that leaves too little (the
// narrow boxes of 和值 and 除三余), the caption is drawn smaller, so that the two never cover each
// other. The caption keeps its text either way.
void ValueBox::paintWithOmission(QPainter& painter, const QColor& captionColour) {
    constexpr int kInset = 2;
    constexpr int kSmallestCaption = 8;
    const QString& omission = *omission_;
    QFont small = font();
    small.setBold(false);
    small.setPixelSize(7);
    int omissionWidth = QFontMetrics(small).horizontalAdvance(omission);
    const auto fits = [&](int captionWidth) {
        return captionWidth + omissionWidth + 2 * kInset + 1 <= width();
    };
    QFont caption = font();
    int captionWidth = fontMetrics().horizontalAdvance(text());
    if (!fits(captionWidth)) {
        small.setPixelSize(6);
        omissionWidth = QFontMetrics(small).horizontalAdvance(omission);
    }
    for (int pixels = QFontInfo(caption).pixelSize() - 1;
         !fits(captionWidth) && pixels >= kSmallestCaption; --pixels) {
        caption.setPixelSize(pixels);
        captionWidth = QFontMetrics(caption).horizontalAdvance(text());
    }
    const bool centred = (width() - captionWidth) / 2 >= omissionWidth + kInset;
    const Qt::Alignment alignment =
        centred ? Qt::Alignment(Qt::AlignCenter) : Qt::AlignLeft | Qt::AlignVCenter;
    painter.setFont(caption);
    painter.drawText(QRectF(centred ? rect() : rect().adjusted(kInset, 0, 0, 0)), text(),
                     QTextOption(alignment));
    painter.setFont(small);
    QColor colour = captionColour;
    colour.setAlpha(190);
    painter.setPen(isChecked() ? colour : QColor(30, 90, 170));
    painter.drawText(rect().adjusted(0, 1, -kInset, 0), Qt::AlignRight | Qt::AlignTop, omission);
}

SelectAllToggle::SelectAllToggle(int tag, QWidget* parent)
    : ValueBox(tag,
               QString::fromUtf8(kSelectAllCaption.data(),
                                 static_cast<qsizetype>(kSelectAllCaption.size())),
               parent) {
    if (!startsExcluded(tag))
        setLitColours(toggleScheme());
}

}  // namespace suoshui::ui
