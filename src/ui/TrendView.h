#pragma once

#include <QAbstractScrollArea>
#include <functional>

#include "features/ConditionTable.h"
#include "history/TrendCounts.h"

namespace suoshui::ui {

// 走势图: one row per draw, oldest at the top; for each position ten cells with the drawn digit
// as a ball (one colour per position) and the omission of the others, the digits drawn
// (号码分布), 和值, 跨度, 形态 and the ratios; a rule after every fifth draw; under the draws the
// statistics of each digit column. Only the rows in sight are painted.
class TrendView : public QAbstractScrollArea {
    Q_OBJECT
  public:
    explicit TrendView(QWidget* parent);

    // The draws shown and their counts; kept until the next.
    void showCounts(TrendCounts counts);
    void setShowOmission(bool shown);
    void setShowLines(bool shown);
    // Whether the main window's box of a value is ticked, so that its cells show it.
    void setTickedLookup(std::function<bool(Feature, const QString&)> ticked);
    void scrollToNewest();

    // The whole chart of the draws shown, headings and statistics included, under a title.
    QImage wholeChart(const QString& title) const;
    QSize chartSize() const;

    // The cell of a value box under a point of the viewport: its feature and value.
    struct Cell {
        Feature feature = Feature::None;
        QString value;
    };
    Cell cellAt(const QPoint& viewportPoint) const;
    // Where a row's cell of a position's digit lies in the viewport (for test tools).
    QRect digitCellRect(std::size_t row, std::size_t position, int digit) const;

  signals:
    void cellDoubleClicked(Feature feature, const QString& value);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    void paintChart(QPainter& painter, int top, int firstRow, int lastRow) const;
    void paintHeader(QPainter& painter) const;
    void paintRow(QPainter& painter, std::size_t row, int y) const;
    void paintLines(QPainter& painter, int top, int firstRow, int lastRow) const;
    void paintStatistics(QPainter& painter, int y) const;
    void updateScrollRange();

    TrendCounts counts_;
    bool showOmission_ = true;
    bool showLines_ = true;
    std::function<bool(Feature, const QString&)> ticked_;
};

}  // namespace suoshui::ui
