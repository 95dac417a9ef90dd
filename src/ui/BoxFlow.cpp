#include "ui/BoxFlow.h"

namespace suoshui::ui {

namespace {

// A box never lands further down than this, whatever the obstacles.
constexpr int kLowestTop = 4000;
constexpr int kObstacleGap = 3;

}  // namespace

BoxFlow::BoxFlow(int rightLimit, std::vector<QRect> obstacles)
    : rightLimit_(rightLimit), obstacles_(std::move(obstacles)) {}

void BoxFlow::startLine(int left, int top) {
    left_ = left;
    top_ = top;
    lineEmpty_ = true;
}

void BoxFlow::newLine() {
    if (!lineEmpty_)
        startLine(kFirstBoxLeft, top_ + kLinePitch);
}

bool BoxFlow::blocked(const QRect& box, int* skipTo) const {
    for (const QRect& obstacle : obstacles_) {
        if (box.intersects(obstacle)) {
            *skipTo = obstacle.right() + 1 + kObstacleGap;
            return true;
        }
    }
    return false;
}

QRect BoxFlow::place(int width, int advance) {
    QRect box(left_, top_, width, kBoxHeight);
    int skipTo = 0;
    while (top_ < kLowestTop) {
        box.moveTo(left_, top_);
        if (box.right() >= rightLimit_ && left_ > kFirstBoxLeft) {
            startLine(kFirstBoxLeft, top_ + kLinePitch);
            continue;
        }
        if (!blocked(box, &skipTo))
            break;
        left_ = skipTo;
    }
    left_ += advance;
    lineEmpty_ = false;
    return box;
}

}  // namespace suoshui::ui
