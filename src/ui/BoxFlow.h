#pragma once

#include <QRect>
#include <vector>

namespace suoshui::ui {

// Places the boxes of a row frame left to right, wrapping into further lines, around the
// labels, toggles and check boxes that already sit in the frame.
class BoxFlow {
  public:
    static constexpr int kFirstBoxLeft = 61;
    static constexpr int kFirstLineTop = 3;
    static constexpr int kBoxHeight = 16;
    static constexpr int kLinePitch = 18;

    BoxFlow(int rightLimit, std::vector<QRect> obstacles);

    // Starts a new line at this place; later wrapped lines start at kFirstBoxLeft.
    void startLine(int left, int top);
    // Starts the line below the current one.
    void newLine();
    // The place of the next box of this width; the cursor then moves on by `advance`.
    QRect place(int width, int advance);
    QPoint cursor() const { return {left_, top_}; }

  private:
    bool blocked(const QRect& box, int* skipTo) const;

    int rightLimit_;
    std::vector<QRect> obstacles_;
    int left_ = kFirstBoxLeft;
    int top_ = kFirstLineTop;
    bool lineEmpty_ = true;
};

}  // namespace suoshui::ui
