#include "ui/TrendView.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include "engine/LotteryNumber.h"
#include "features/ClassFeatures.h"
#include "features/SumFeatures.h"
#include "ui/QtText.h"
#include "ui/WindowFonts.h"

namespace suoshui::ui {

namespace {

constexpr int kHeaderHeight = 40;
constexpr int kRowHeight = 20;
constexpr int kCell = 18;
constexpr int kIssueWidth = 64;
constexpr int kNumberWidth = 44;
constexpr int kDigitsLeft = kIssueWidth + kNumberWidth;
constexpr int kSectionWidth = 10 * kCell;
constexpr int kSpreadLeft = kDigitsLeft + 3 * kSectionWidth;
constexpr int kTextLeft = kSpreadLeft + kSectionWidth;
constexpr int kTitleHeight = 30;

// The text columns after the digit cells: heading, width, and the feature a double click
// ticks (None: nothing to tick).
struct TextColumn {
    const char* heading;
    int width;
    Feature feature;
};
constexpr TextColumn kTextColumns[] = {
    {"和值", 34, Feature::DigitSum}, {"跨度", 34, Feature::Span},   {"形态", 44, Feature::None},
    {"奇偶比", 46, Feature::None},   {"大小比", 46, Feature::None}, {"012路比", 58, Feature::None},
};
constexpr const char* kStatisticsNames[] = {"出现次数", "平均遗漏", "最大遗漏", "最大连出",
                                            "当前遗漏"};
constexpr int kStatisticsRows = 5;
constexpr Feature kPositionFeatures[] = {Feature::Hundreds, Feature::Tens, Feature::Units};
constexpr const char* kPositionNames[] = {"百位", "十位", "个位"};
const QColor kBallColours[] = {QColor(210, 40, 40), QColor(30, 110, 200), QColor(220, 130, 0)};
const QColor kRule(150, 170, 200);
const QColor kTickedCell(255, 236, 120);

int chartWidth() {
    int width = kTextLeft;
    for (const TextColumn& column : kTextColumns)
        width += column.width;
    return width;
}

QString textOf(std::size_t column, const std::string& number) {
    switch (column) {
        case 0:
            return QString::number(digitSum(number));
        case 1:
            return QString::number(span(number));
        case 2:
            return qtText(groupKindText(groupKind(number)));
        case 3:
            return qtText(parityRatio(number));
        case 4:
            return qtText(sizeRatio(number));
        default:
            return qtText(mod3Ratio(number));
    }
}

QString boundedText(const BoundedCount& count) {
    return qtText(boundedCountText(count));
}

// Three characters ("≥12", "104") in a smaller face, so that they fit the cell.
void drawCellText(QPainter& painter, const QRect& cell, const QString& text) {
    QFont face = painter.font();
    face.setPixelSize(text.size() > 2 ? 9 : 11);
    painter.save();
    painter.setFont(face);
    painter.drawText(cell, Qt::AlignCenter, text);
    painter.restore();
}

int cellLeft(std::size_t position, int digit) {
    return kDigitsLeft + static_cast<int>(position) * kSectionWidth + digit * kCell;
}

}  // namespace

TrendView::TrendView(QWidget* parent) : QAbstractScrollArea(parent) {
    setObjectName(QStringLiteral("TrendView"));
    setAccessibleName(QStringLiteral("走势图"));
    setFont(heiTi(11));
    viewport()->setAutoFillBackground(true);
    viewport()->setBackgroundRole(QPalette::Base);
}

void TrendView::showCounts(TrendCounts counts) {
    counts_ = std::move(counts);
    updateScrollRange();
    viewport()->update();
}

void TrendView::setShowOmission(bool shown) {
    showOmission_ = shown;
    viewport()->update();
}

void TrendView::setShowLines(bool shown) {
    showLines_ = shown;
    viewport()->update();
}

void TrendView::setTickedLookup(std::function<bool(Feature, const QString&)> ticked) {
    ticked_ = std::move(ticked);
    viewport()->update();
}

QSize TrendView::chartSize() const {
    const int rows = static_cast<int>(counts_.rows.size()) + kStatisticsRows;
    return {chartWidth(), kHeaderHeight + rows * kRowHeight};
}

void TrendView::updateScrollRange() {
    const QSize chart = chartSize();
    verticalScrollBar()->setPageStep(viewport()->height() - kHeaderHeight);
    verticalScrollBar()->setSingleStep(kRowHeight);
    verticalScrollBar()->setRange(0, std::max(0, chart.height() - viewport()->height()));
    horizontalScrollBar()->setPageStep(viewport()->width());
    horizontalScrollBar()->setRange(0, std::max(0, chart.width() - viewport()->width()));
}

void TrendView::scrollToNewest() {
    updateScrollRange();
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

void TrendView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollRange();
}

void TrendView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.translate(-horizontalScrollBar()->value(), 0);
    const int scrolled = verticalScrollBar()->value();
    // The rows in sight only: ten thousand draws cost what a screenful costs.
    const int firstRow = std::max(0, scrolled / kRowHeight - 1);
    const int lastRow = (scrolled + viewport()->height()) / kRowHeight + 1;
    painter.save();
    painter.setClipRect(QRect(0, kHeaderHeight, chartWidth(), viewport()->height()));
    paintChart(painter, kHeaderHeight - scrolled, firstRow, lastRow);
    painter.restore();
    paintHeader(painter);
}

QImage TrendView::wholeChart(const QString& title) const {
    const QSize chart = chartSize();
    QImage image(chart.width(), chart.height() + kTitleHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(heiTi(14, true));
    painter.drawText(QRect(6, 0, chart.width() - 12, kTitleHeight), Qt::AlignVCenter, title);
    painter.translate(0, kTitleHeight);
    painter.setFont(font());
    paintChart(painter, kHeaderHeight, 0, static_cast<int>(counts_.rows.size()) + kStatisticsRows);
    paintHeader(painter);
    return image;
}

void TrendView::paintHeader(QPainter& painter) const {
    const QRect header(0, 0, chartWidth(), kHeaderHeight);
    painter.fillRect(header, QColor(225, 236, 250));
    painter.setPen(Qt::black);
    const auto centred = [&painter](const QRect& place, const QString& text) {
        painter.drawText(place, Qt::AlignCenter, text);
    };
    centred({0, 0, kIssueWidth, kHeaderHeight}, QStringLiteral("期号"));
    centred({kIssueWidth, 0, kNumberWidth, kHeaderHeight}, QStringLiteral("开奖号码"));
    for (std::size_t section = 0; section < 4; ++section) {
        const int left = kDigitsLeft + static_cast<int>(section) * kSectionWidth;
        centred(
            {left, 0, kSectionWidth, kHeaderHeight / 2},
            section < 3 ? QString::fromUtf8(kPositionNames[section]) : QStringLiteral("号码分布"));
        for (int digit = 0; digit < 10; ++digit)
            centred({left + digit * kCell, kHeaderHeight / 2, kCell, kHeaderHeight / 2},
                    QString::number(digit));
        painter.setPen(kRule);
        painter.drawLine(left, 0, left, kHeaderHeight);
        painter.setPen(Qt::black);
    }
    int left = kTextLeft;
    for (const TextColumn& column : kTextColumns) {
        centred({left, 0, column.width, kHeaderHeight}, QString::fromUtf8(column.heading));
        left += column.width;
    }
    painter.setPen(kRule);
    painter.drawLine(0, kHeaderHeight - 1, chartWidth(), kHeaderHeight - 1);
}

// Rows from `firstRow` to `lastRow` (the statistics rows follow the draws), the first draw's
// top at `top`.
void TrendView::paintChart(QPainter& painter, int top, int firstRow, int lastRow) const {
    const int draws = static_cast<int>(counts_.rows.size());
    for (int row = firstRow; row <= lastRow && row < draws + kStatisticsRows; ++row) {
        const int y = top + row * kRowHeight;
        if (row < draws)
            paintRow(painter, static_cast<std::size_t>(row), y);
    }
    if (showLines_)
        paintLines(painter, top, firstRow, std::min(lastRow, draws - 1));
    if (lastRow >= draws)
        paintStatistics(painter, top + draws * kRowHeight);
}

void TrendView::paintRow(QPainter& painter, std::size_t row, int y) const {
    const TrendRow& trend = counts_.rows[row];
    const std::string number = numberText(trend.draw->number);
    if (row % 2 == 1)
        painter.fillRect(QRect(0, y, chartWidth(), kRowHeight), QColor(246, 249, 253));
    painter.setPen(Qt::black);
    painter.drawText(QRect(0, y, kIssueWidth, kRowHeight), Qt::AlignCenter,
                     qtText(trend.draw->issue));
    painter.drawText(QRect(kIssueWidth, y, kNumberWidth, kRowHeight), Qt::AlignCenter,
                     qtText(number));
    for (std::size_t position = 0; position < kPositions; ++position) {
        for (int digit = 0; digit < 10; ++digit) {
            const QRect cell(cellLeft(position, digit), y, kCell, kRowHeight);
            const QString value = QString::number(digit);
            if (ticked_ && ticked_(kPositionFeatures[position], value))
                painter.fillRect(cell, kTickedCell);
            if (trend.digits[position] == digit) {
                painter.setPen(Qt::NoPen);
                painter.setBrush(kBallColours[position]);
                painter.drawEllipse(cell.adjusted(1, 2, -1, -2));
                painter.setPen(Qt::white);
                painter.drawText(cell, Qt::AlignCenter, value);
            } else if (showOmission_) {
                // A digit not seen since the oldest kept draw has been missing at least so long.
                painter.setPen(QColor(150, 150, 150));
                drawCellText(
                    painter, cell,
                    boundedText(trend.omission[position][static_cast<std::size_t>(digit)]));
            }
        }
    }
    // 号码分布: every digit drawn, with how often when more than once.
    for (int digit = 0; digit < 10; ++digit) {
        const auto times = std::count(trend.digits.begin(), trend.digits.end(), digit);
        if (times == 0)
            continue;
        const QRect cell(kSpreadLeft + digit * kCell, y, kCell, kRowHeight);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(90, 150, 90));
        painter.drawRect(cell.adjusted(2, 3, -2, -3));
        painter.setPen(Qt::white);
        painter.drawText(cell, Qt::AlignCenter,
                         times > 1 ? QString::number(times) : QString::number(digit));
    }
    int left = kTextLeft;
    for (std::size_t column = 0; column < std::size(kTextColumns); ++column) {
        const QRect cell(left, y, kTextColumns[column].width, kRowHeight);
        const QString text = textOf(column, number);
        if (ticked_ && kTextColumns[column].feature != Feature::None &&
            ticked_(kTextColumns[column].feature, text))
            painter.fillRect(cell, kTickedCell);
        painter.setPen(Qt::black);
        painter.drawText(cell, Qt::AlignCenter, text);
        left += kTextColumns[column].width;
    }
    // A thin rule after every fifth draw.
    if (row % 5 == 4) {
        painter.setPen(kRule);
        painter.drawLine(0, y + kRowHeight - 1, chartWidth(), y + kRowHeight - 1);
    }
}

void TrendView::paintLines(QPainter& painter, int top, int firstRow, int lastRow) const {
    painter.setRenderHint(QPainter::Antialiasing, true);
    for (std::size_t position = 0; position < kPositions; ++position) {
        painter.setPen(QPen(kBallColours[position], 1));
        for (int row = std::max(1, firstRow); row <= lastRow; ++row) {
            const auto centre = [&](int at) {
                const int digit = counts_.rows[static_cast<std::size_t>(at)].digits[position];
                return QPointF(cellLeft(position, digit) + kCell / 2.0,
                               top + at * kRowHeight + kRowHeight / 2.0);
            };
            const QPointF from = centre(row - 1), to = centre(row);
            // From the edge of one ball to the edge of the next.
            const QPointF step = to - from;
            const double length = std::hypot(step.x(), step.y());
            if (length > 2 * kCell / 2.0)
                painter.drawLine(from + step * (8.0 / length), to - step * (8.0 / length));
        }
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
}

void TrendView::paintStatistics(QPainter& painter, int y) const {
    painter.fillRect(QRect(0, y, chartWidth(), kStatisticsRows * kRowHeight),
                     QColor(238, 244, 252));
    for (int line = 0; line < kStatisticsRows; ++line) {
        const int rowTop = y + line * kRowHeight;
        painter.setPen(Qt::black);
        painter.drawText(QRect(0, rowTop, kDigitsLeft, kRowHeight), Qt::AlignCenter,
                         QString::fromUtf8(kStatisticsNames[line]));
        for (std::size_t position = 0; position < kPositions; ++position) {
            for (std::size_t digit = 0; digit < kDigits; ++digit) {
                const TrendColumnStatistics& column = counts_.statistics[position][digit];
                QString text;
                switch (line) {
                    case 0:
                        text = QString::number(column.appearances);
                        break;
                    case 1:
                        text = QString::number(column.meanOmission, 'f', 0);
                        break;
                    case 2:
                        text = boundedText(column.longestOmission);
                        break;
                    case 3:
                        text = QString::number(column.longestRun);
                        break;
                    default:
                        text = boundedText(column.currentOmission);
                        break;
                }
                drawCellText(
                    painter,
                    QRect(cellLeft(position, static_cast<int>(digit)), rowTop, kCell, kRowHeight),
                    text);
            }
        }
        painter.setPen(kRule);
        painter.drawLine(0, rowTop, chartWidth(), rowTop);
    }
}

TrendView::Cell TrendView::cellAt(const QPoint& viewportPoint) const {
    const int x = viewportPoint.x() + horizontalScrollBar()->value();
    const int contentY = viewportPoint.y() - kHeaderHeight + verticalScrollBar()->value();
    if (viewportPoint.y() < kHeaderHeight || contentY < 0)
        return {};
    const std::size_t row = static_cast<std::size_t>(contentY / kRowHeight);
    if (row >= counts_.rows.size())
        return {};
    if (x >= kDigitsLeft && x < kSpreadLeft) {
        const int section = (x - kDigitsLeft) / kSectionWidth;
        const int digit = (x - kDigitsLeft - section * kSectionWidth) / kCell;
        return {kPositionFeatures[section], QString::number(digit)};
    }
    int left = kTextLeft;
    for (std::size_t column = 0; column < std::size(kTextColumns); ++column) {
        if (x >= left && x < left + kTextColumns[column].width &&
            kTextColumns[column].feature != Feature::None)
            return {kTextColumns[column].feature,
                    textOf(column, numberText(counts_.rows[row].draw->number))};
        left += kTextColumns[column].width;
    }
    return {};
}

QRect TrendView::digitCellRect(std::size_t row, std::size_t position, int digit) const {
    return {cellLeft(position, digit) - horizontalScrollBar()->value(),
            kHeaderHeight + static_cast<int>(row) * kRowHeight - verticalScrollBar()->value(),
            kCell, kRowHeight};
}

void TrendView::mouseDoubleClickEvent(QMouseEvent* event) {
    const Cell cell = cellAt(event->position().toPoint());
    if (cell.feature != Feature::None)
        emit cellDoubleClicked(cell.feature, cell.value);
}

}  // namespace suoshui::ui
