#include "ui/ConditionRows.h"

#include <algorithm>

#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>

#include "ui/BoxFlow.h"
#include "ui/QtText.h"
#include "ui/ValueBox.h"
#include "ui/WindowColours.h"
#include "ui/WindowFonts.h"

namespace suoshui::ui {

namespace {

constexpr int kToggleLeft = 408;
constexpr int kToggleWidth = 53;
constexpr int kToggleHeight = 15;
constexpr int kSingleCharBoxWidth = 31;
constexpr int kSingleCharPitch = 33;
constexpr int kLabelHeight = 13;

struct BoxSize {
    int width;
    int advance;
};

// One-character boxes stand 33 pixels apart; longer captions get boxes as wide as the longest
// caption of their span, packed closer in the small digit frames.
BoxSize boxSizeOf(const ConditionRow& row, const RowLayout& layout, const TagSpan& span) {
    const QFontMetrics metrics(songTi(12));
    int widest = 0;
    bool singleChars = true;
    for (int tag = span.first; tag <= span.last; ++tag) {
        const QString caption = qtText(row.captionOf(tag));
        widest = std::max(widest, metrics.horizontalAdvance(caption));
        singleChars = singleChars && caption.size() == 1;
    }
    if (layout.container == Container::PairsFrame) {
        const int width = std::max(widest + 6, 17);
        return {width, width + 2};
    }
    if (singleChars)
        return {kSingleCharBoxWidth, kSingleCharPitch};
    return {widest + 8, widest + 10};
}

// Builds one row frame at a time into the parents, collecting what it makes.
class RowBuilder {
  public:
    RowBuilder(const RowParents& parents, BuiltRows& built) : parents_(parents), built_(built) {}

    void build(const ConditionRow& row, const RowLayout& layout) {
        QFrame* frame = makeFrame(layout);
        built_.frames[row.name] = frame;
        std::vector<QRect> obstacles;
        addLabels(layout, frame, obstacles);
        addInclude(row, layout, frame, obstacles);
        std::vector<ValueBox*> boxes = makeBoxes(row, frame);
        makeToggles(row, layout, frame, obstacles);
        placeBoxes(row, layout, frame, boxes, obstacles);
        addHoverHints(layout, boxes);
        if (!layout.boxesVisible) {
            for (ValueBox* box : boxes)
                box->hide();
        }
        if (!layout.shown && layout.container == Container::RepeatRow)
            frame->hide();
    }

  private:
    QWidget* containerOf(const RowLayout& layout) const {
        switch (layout.container) {
            case Container::ConditionFrame:
                return parents_.conditionFrame;
            case Container::ExtraPanel:
                return parents_.extraPanel;
            case Container::HiddenPanel:
                return parents_.hiddenPanel;
            case Container::RepeatRow:
                return parents_.repeatRowParent;
            case Container::PairsFrame:
                return built_.frame(layout.parentFrame);
        }
        return parents_.repeatRowParent;
    }

    QFrame* makeFrame(const RowLayout& layout) {
        auto* frame = new QFrame(containerOf(layout));
        frame->setObjectName(qtText(layout.name));
        frame->setGeometry(layout.left, layout.top, layout.width, layout.height);
        frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
        fillBackground(frame, kFrameFill);
        QPalette palette = frame->palette();
        palette.setColor(QPalette::Light, kFrameLight);
        palette.setColor(QPalette::Dark, kFrameLine);
        frame->setPalette(palette);
        return frame;
    }

    // Labels stacked closer than a line of the usual font ("连 号" over "形态") share the
    // frame's height in equal lines, in a font small enough for a line each.
    static void addLabels(const RowLayout& layout, QFrame* frame, std::vector<QRect>& obstacles) {
        const auto& labels = layout.labels;
        const bool stacked = labels.size() > 1 && labels[1].top - labels[0].top < kLabelHeight + 1;
        const int inside = layout.height - 2 * frame->frameWidth();
        const int stackedHeight = stacked ? inside / static_cast<int>(labels.size()) : 0;
        int line = 0;
        for (const RowLabel& def : labels) {
            auto* label = new QLabel(qtText(def.text), frame);
            label->setFont(songTi(stacked ? stackedHeight - 2 : 12, true));
            label->adjustSize();
            const int top = stacked ? frame->frameWidth() + line * stackedHeight : def.top;
            label->setGeometry(def.left, top, label->width(),
                               stacked ? stackedHeight : kLabelHeight);
            label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            obstacles.push_back(label->geometry());
            ++line;
        }
    }

    void addInclude(const ConditionRow& row, const RowLayout& layout, QFrame* frame,
                    std::vector<QRect>& obstacles) {
        if (!row.include || !layout.include)
            return;
        auto* include = new QCheckBox(QStringLiteral("包含"), frame);
        include->setFont(heiTi(12));
        include->adjustSize();
        // The group-three sub-frames are lower than a check box's usual height; it is made to
        // fit so that its box and caption are centred in the frame rather than cut at its edge.
        const int room = layout.height - layout.include->top;
        include->setGeometry(layout.include->left, layout.include->top, include->width(),
                             std::min(include->height(), room));
        built_.includes[*row.include] = include;
        obstacles.push_back(include->geometry());
    }

    std::vector<ValueBox*> makeBoxes(const ConditionRow& row, QFrame* frame) {
        std::vector<ValueBox*> boxes;
        for (int tag : row.tags()) {
            const QString caption = qtText(row.captionOf(tag));
            auto* box = new ValueBox(tag, caption, frame);
            box->setObjectName(qtText(row.name) + QStringLiteral(":") + QString::number(tag));
            boxes.push_back(box);
            built_.boxes.add(box);
        }
        return boxes;
    }

    // The hover hint names the box by the label that heads its line ("组三特征" heads the last
    // line of "二  码"): the lowest label that starts no lower than the middle of the box's line.
    static QString headingOf(const RowLayout& layout, const ValueBox* box) {
        if (layout.labels.empty())
            return {};
        std::string_view heading = layout.labels[0].text;
        for (const RowLabel& label : layout.labels) {
            if (label.top <= box->y() + BoxFlow::kLinePitch / 2)
                heading = label.text;
        }
        return qtText(heading);
    }

    static void addHoverHints(const RowLayout& layout, const std::vector<ValueBox*>& boxes) {
        for (ValueBox* box : boxes) {
            const QString heading = headingOf(layout, box);
            box->setToolTip(heading.isEmpty() ? box->text()
                                              : heading + QStringLiteral("：") + box->text());
            // A screen reader says the row with the caption, "百位 6", as a player reads it.
            box->setAccessibleName(heading.isEmpty() ? box->text()
                                                     : heading + QStringLiteral(" ") + box->text());
        }
    }

    // A screen reader says which boxes the toggle selects: "和值 全选", or for a row with two
    // toggles the boxes of each, "高中低至低中高 全选".
    QString toggleName(const ConditionRow& row, const RowLayout& layout, const ValueBox& toggle,
                       std::size_t index) const {
        const SelectAllToggleDef& def = row.toggles[index];
        const ValueBox* first = built_.boxes.find(def.first);
        const ValueBox* last = built_.boxes.find(def.first + def.count - 1);
        QString whose = headingOf(layout, &toggle);
        if (row.toggles.size() > 1 && first != nullptr && last != nullptr)
            whose = first->text() + QStringLiteral("至") + last->text();
        return whose.isEmpty() ? toggle.text() : whose + QStringLiteral(" ") + toggle.text();
    }

    // A toggle sits at the end of the first line, or of the display line that names it.
    static int toggleTop(const RowLayout& layout, int toggle) {
        int line = 0;
        for (const DisplayLine& display : layout.displayLines) {
            if (display.toggle == toggle)
                return BoxFlow::kFirstLineTop + line * BoxFlow::kLinePitch;
            ++line;
        }
        return BoxFlow::kFirstLineTop;
    }

    void makeToggles(const ConditionRow& row, const RowLayout& layout, QFrame* frame,
                     std::vector<QRect>& obstacles) {
        for (std::size_t index = 0; index < row.toggles.size(); ++index) {
            const int tag = row.toggles[index].tag;
            auto* toggle = new SelectAllToggle(tag, frame);
            toggle->setObjectName(qtText(row.name) + QStringLiteral(":") + QString::number(tag));
            toggle->setGeometry(kToggleLeft, toggleTop(layout, static_cast<int>(index)),
                                kToggleWidth, kToggleHeight);
            toggle->setAccessibleName(toggleName(row, layout, *toggle, index));
            obstacles.push_back(toggle->geometry().adjusted(-2, 0, 0, 0));
            built_.boxes.add(toggle);
        }
    }

    static void placeBoxes(const ConditionRow& row, const RowLayout& layout, QFrame* frame,
                           const std::vector<ValueBox*>& boxes, std::vector<QRect> obstacles) {
        const bool subFrame = layout.container == Container::PairsFrame;
        BoxFlow flow(layout.width - 3, std::move(obstacles));
        flow.startLine(BoxFlow::kFirstBoxLeft, subFrame ? 1 : BoxFlow::kFirstLineTop);
        if (!layout.displayLines.empty()) {
            placeDisplayLines(row, layout, frame, boxes, flow);
            return;
        }
        std::size_t box = 0;
        for (std::size_t index = 0; index < row.spans.size(); ++index) {
            const TagSpan& span = row.spans[index];
            if (placeOffsetBox(layout, static_cast<int>(box), boxes, flow)) {
                box += static_cast<std::size_t>(span.count());
                continue;
            }
            if (index > 0 && index < layout.labels.size())
                startAfterLabel(layout.labels[index], flow);
            const BoxSize size = boxSizeOf(row, layout, span);
            for (int tag = span.first; tag <= span.last; ++tag)
                boxes[box++]->setGeometry(flow.place(size.width, size.advance));
        }
    }

    // The stray box of "连  号" sits above the row, out of the player's sight.
    static bool placeOffsetBox(const RowLayout& layout, int box,
                               const std::vector<ValueBox*>& boxes, const BoxFlow& flow) {
        for (const OffsetBox& offset : layout.offsetBoxes) {
            if (offset.box == box) {
                boxes[static_cast<std::size_t>(box)]->setGeometry(
                    flow.cursor().x(), offset.top, kSingleCharBoxWidth, BoxFlow::kBoxHeight);
                return true;
            }
        }
        return false;
    }

    static void startAfterLabel(const RowLabel& label, BoxFlow& flow) {
        const QFontMetrics metrics(songTi(12, true));
        flow.startLine(label.left + metrics.horizontalAdvance(qtText(label.text)) + 6,
                       label.top - 1);
    }

    static void placeDisplayLines(const ConditionRow& row, const RowLayout& layout, QFrame* frame,
                                  const std::vector<ValueBox*>& boxes, BoxFlow& flow) {
        const BoxSize size = boxSizeOf(row, layout, row.spans.front());
        int line = 0;
        for (const DisplayLine& display : layout.displayLines) {
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
            for (int box : display.boxes)
                boxes.at(static_cast<std::size_t>(box))
                    ->setGeometry(flow.place(size.width, size.advance));
            ++line;
        }
    }

    const RowParents& parents_;
    BuiltRows& built_;
};

}  // namespace

QFrame* BuiltRows::frame(std::string_view name) const {
    const auto found = frames.find(name);
    return found == frames.end() ? nullptr : found->second;
}

BuiltRows buildConditionRows(const RowParents& parents) {
    BuiltRows built;
    RowBuilder builder(parents, built);
    for (const ConditionRow& row : conditionRows())
        builder.build(row, layoutOfRow(row.name));
    return built;
}

}  // namespace suoshui::ui
