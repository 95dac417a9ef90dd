#include "ui/ConditionRows.h"

#include <algorithm>

#include <QCheckBox>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <map>

#include "features/WindowTable.h"
#include "ui/BoxFlow.h"
#include "ui/ValueBox.h"
#include "ui/WindowControls.h"
#include "ui/WindowFonts.h"

namespace suoshui::ui {

namespace {

constexpr int kToggleLeft = 408;
constexpr int kToggleWidth = 53;
constexpr int kToggleHeight = 15;
constexpr int kSingleCharBoxWidth = 31;
constexpr int kSingleCharPitch = 33;
constexpr int kLabelHeight = 13;
const QColor kFrameFill(194, 228, 254);
const QColor kFrameLine(150, 190, 232);

QString qtText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

struct BoxSize {
    int width;
    int advance;
};

// One-character boxes stand 33 pixels apart; longer captions get boxes as wide as the longest
// caption of their span, packed closer in the small digit frames.
BoxSize boxSizeOf(const WindowRow& row, const TagSpan& span) {
    const QFontMetrics metrics(songTi(12));
    int widest = 0;
    bool singleChars = true;
    for (int tag = span.first; tag <= span.last; ++tag) {
        const QString caption = qtText(row.captionOf(tag));
        widest = std::max(widest, metrics.horizontalAdvance(caption));
        singleChars = singleChars && caption.size() == 1;
    }
    if (row.container == Container::PairsFrame) {
        const int width = std::max(widest + 6, 17);
        return {width, width + 2};
    }
    if (singleChars)
        return {kSingleCharBoxWidth, kSingleCharPitch};
    return {widest + 8, widest + 10};
}

class RowBuilder {
  public:
    RowBuilder(const ConditionRowParents& parents, WindowControls& controls,
               std::vector<ValueBox*>& tagged)
        : parents_(parents), controls_(controls), tagged_(tagged) {
        hiddenPanel_ = new QFrame(parents.window);
        hiddenPanel_->setObjectName(QStringLiteral("银选面板2"));
        hiddenPanel_->setGeometry(containerPlace(Container::HiddenPanel));
        hiddenPanel_->setEnabled(false);
        hiddenPanel_->hide();
    }

    void build(const WindowRow& row) {
        QFrame* frame = makeFrame(row);
        frames_[row.frame] = frame;
        std::vector<QRect> obstacles;
        addLabels(row, frame, obstacles);
        addInclude(row, frame, obstacles);
        std::map<int, ValueBox*> boxes = makeBoxes(row, frame);
        const std::vector<SelectAllToggle*> toggles = makeToggles(row, frame, obstacles);
        placeBoxes(row, frame, boxes, obstacles);
        addHoverHints(row, boxes);
        if (!row.boxesVisible) {
            for (auto& [tag, box] : boxes)
                box->hide();
        }
        if (!row.shown && row.container == Container::RepeatRow)
            frame->hide();
    }

    QWidget* frameNamed(std::string_view name) const {
        const auto found = frames_.find(name);
        return found == frames_.end() ? nullptr : found->second;
    }

  private:
    QWidget* containerOf(const WindowRow& row) const {
        switch (row.container) {
            case Container::ConditionFrame:
                return parents_.conditionFrame;
            case Container::ExtraPanel:
                return parents_.extraPanel;
            case Container::HiddenPanel:
                return hiddenPanel_;
            case Container::RepeatRow:
                return parents_.window;
            case Container::PairsFrame:
                return frameNamed(row.parentFrame);
        }
        return parents_.window;
    }

    QFrame* makeFrame(const WindowRow& row) {
        auto* frame = new QFrame(containerOf(row));
        frame->setObjectName(qtText(row.frame));
        frame->setGeometry(row.left, row.top, row.width, row.height);
        frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
        frame->setAutoFillBackground(true);
        QPalette palette = frame->palette();
        palette.setColor(QPalette::Window, kFrameFill);
        palette.setColor(QPalette::Light, QColor(236, 246, 255));
        palette.setColor(QPalette::Dark, kFrameLine);
        frame->setPalette(palette);
        return frame;
    }

    // Labels stacked closer than a line of the usual font ("连 号" over "形态") use a smaller
    // one and sit right below each other.
    void addLabels(const WindowRow& row, QFrame* frame, std::vector<QRect>& obstacles) {
        const bool stacked =
            row.labels.size() > 1 && row.labels[1].top - row.labels[0].top < kLabelHeight + 1;
        // Two stacked lines of the smaller font must still end inside the row's frame.
        const int height = stacked ? kLabelHeight - 2 : kLabelHeight;
        int lowestFree = 0;
        for (const RowLabel& def : row.labels) {
            auto* label = new QLabel(qtText(def.text), frame);
            label->setFont(songTi(stacked ? 11 : 12, true));
            label->adjustSize();
            const int top = stacked ? std::max(def.top, lowestFree) : def.top;
            label->setGeometry(def.left, top, label->width(), height);
            label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            lowestFree = top + height;
            obstacles.push_back(label->geometry());
        }
    }

    void addInclude(const WindowRow& row, QFrame* frame, std::vector<QRect>& obstacles) {
        if (!row.include)
            return;
        auto* include = new QCheckBox(QStringLiteral("包含"), frame);
        include->setFont(heiTi(12));
        include->adjustSize();
        // The group-three sub-frames are lower than a check box's usual height; it is made to
        // fit so that its box and caption are centred in the frame rather than cut at its edge.
        const int room = row.height - row.include->top;
        include->setGeometry(row.include->left, row.include->top, include->width(),
                             std::min(include->height(), room));
        controls_.checks[row.include->check] = include;
        obstacles.push_back(include->geometry());
    }

    std::map<int, ValueBox*> makeBoxes(const WindowRow& row, QFrame* frame) {
        std::map<int, ValueBox*> boxes;
        for (const TagSpan& span : row.spans) {
            for (int tag = span.first; tag <= span.last; ++tag) {
                const QString caption = qtText(row.captionOf(tag));
                auto* box = new ValueBox(tag, caption, frame);
                box->setObjectName(qtText(row.frame) + QStringLiteral(":") + QString::number(tag));
                box->setAccessibleName(caption);
                boxes[tag] = box;
                tagged_.push_back(box);
            }
        }
        return boxes;
    }

    // The hover hint names the box by the label that heads its line ("组三特征" heads the last
    // line of "二  码"): the lowest label that starts no lower than the middle of the box's line.
    static QString headingOf(const WindowRow& row, const ValueBox* box) {
        if (row.labels.empty())
            return {};
        std::string_view heading = row.labels[0].text;
        for (const RowLabel& label : row.labels) {
            if (label.top <= box->y() + BoxFlow::kLinePitch / 2)
                heading = label.text;
        }
        return qtText(heading);
    }

    static void addHoverHints(const WindowRow& row, const std::map<int, ValueBox*>& boxes) {
        for (const auto& [tag, box] : boxes) {
            const QString heading = headingOf(row, box);
            box->setToolTip(heading.isEmpty() ? box->text() : heading + "：" + box->text());
        }
    }

    // A toggle sits at the end of the first line, or of the display line that names it.
    int toggleTop(const WindowRow& row, int tag) const {
        int line = 0;
        for (const DisplayLine& display : row.displayLines) {
            if (display.selectAllTag == tag)
                return BoxFlow::kFirstLineTop + line * BoxFlow::kLinePitch;
            ++line;
        }
        return BoxFlow::kFirstLineTop;
    }

    std::vector<SelectAllToggle*> makeToggles(const WindowRow& row, QFrame* frame,
                                              std::vector<QRect>& obstacles) {
        std::vector<SelectAllToggle*> toggles;
        for (const SelectAllToggleDef& def : row.toggles) {
            auto* toggle = new SelectAllToggle(def.tag, frame);
            toggle->setObjectName(qtText(row.frame) + QStringLiteral(":") +
                                  QString::number(def.tag));
            toggle->setGeometry(kToggleLeft, toggleTop(row, def.tag), kToggleWidth, kToggleHeight);
            obstacles.push_back(toggle->geometry().adjusted(-2, 0, 0, 0));
            toggles.push_back(toggle);
            tagged_.push_back(toggle);
        }
        return toggles;
    }

    void placeBoxes(const WindowRow& row, QFrame* frame, const std::map<int, ValueBox*>& boxes,
                    std::vector<QRect> obstacles) {
        const bool subFrame = row.container == Container::PairsFrame;
        BoxFlow flow(row.width - 3, std::move(obstacles));
        flow.startLine(BoxFlow::kFirstBoxLeft, subFrame ? 1 : BoxFlow::kFirstLineTop);
        if (!row.displayLines.empty()) {
            placeDisplayLines(row, frame, boxes, flow);
            return;
        }
        for (std::size_t index = 0; index < row.spans.size(); ++index) {
            const TagSpan& span = row.spans[index];
            if (placeOffsetBox(row, span, boxes, flow))
                continue;
            if (index > 0 && index < row.labels.size())
                startAfterLabel(frame, row.labels[index], flow);
            const BoxSize size = boxSizeOf(row, span);
            for (int tag = span.first; tag <= span.last; ++tag)
                boxes.at(tag)->setGeometry(flow.place(size.width, size.advance));
        }
    }

    // The stray box of "连  号" sits above the row, out of the player's sight.
    bool placeOffsetBox(const WindowRow& row, const TagSpan& span,
                        const std::map<int, ValueBox*>& boxes, const BoxFlow& flow) {
        for (const OffsetBox& offset : row.offsetBoxes) {
            if (span.contains(offset.tag)) {
                boxes.at(offset.tag)
                    ->setGeometry(flow.cursor().x(), offset.top, kSingleCharBoxWidth,
                                  BoxFlow::kBoxHeight);
                return true;
            }
        }
        return false;
    }

    void startAfterLabel(QFrame* frame, const RowLabel& label, BoxFlow& flow) {
        const QFontMetrics metrics(songTi(12, true));
        Q_UNUSED(frame);
        flow.startLine(label.left + metrics.horizontalAdvance(qtText(label.text)) + 6,
                       label.top - 1);
    }

    void placeDisplayLines(const WindowRow& row, QFrame* frame,
                           const std::map<int, ValueBox*>& boxes, BoxFlow& flow) {
        const BoxSize size = boxSizeOf(row, row.spans.front());
        int line = 0;
        for (const DisplayLine& display : row.displayLines) {
            const int top = BoxFlow::kFirstLineTop + line * BoxFlow::kLinePitch;
            int left = BoxFlow::kFirstBoxLeft;
            if (!display.heading.empty()) {
                auto* heading = new QLabel(qtText(display.heading), frame);
                heading->setFont(songTi(12, true));
                heading->adjustSize();
                heading->move(left, top);
                left += heading->width() + 6;
            }
            flow.startLine(left, top);
            for (int tag : display.tags)
                boxes.at(tag)->setGeometry(flow.place(size.width, size.advance));
            ++line;
        }
    }

    const ConditionRowParents& parents_;
    WindowControls& controls_;
    std::vector<ValueBox*>& tagged_;
    QFrame* hiddenPanel_ = nullptr;
    std::map<std::string_view, QFrame*> frames_;
};

}  // namespace

QRect containerPlace(Container container) {
    for (const ContainerFrame& frame : containerFrames()) {
        if (frame.container == container)
            return {frame.left, frame.top, frame.width, frame.height};
    }
    return {};
}

ConditionRowsBuilt buildConditionRows(const ConditionRowParents& parents, WindowControls& controls,
                                      std::vector<ValueBox*>& tagged) {
    RowBuilder builder(parents, controls, tagged);
    for (const WindowRow& row : windowRows())
        builder.build(row);
    ConditionRowsBuilt built;
    built.bankerRow = builder.frameNamed("胆框参照");
    built.parityRatioRow = builder.frameNamed("奇偶比框");
    return built;
}

}  // namespace suoshui::ui
