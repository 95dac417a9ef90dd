#include "ui/ConditionPanel.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>
#include <QWheelEvent>
#include <cstdlib>

#include "ui/EventPass.h"
#include "ui/HandlerGuard.h"
#include "ui/ValueBox.h"
#include "ui/WindowColours.h"
#include "ui/WindowFonts.h"

namespace suoshui::ui {

namespace {

// Scrolled to the end, the rows from "奇偶比" down still show, with a margin below.
constexpr std::string_view kLastRowsShownFrom = "奇偶比框";
constexpr int kScrollMargin = 60;
constexpr int kBarLeft = 483;  // in the panel: 495 in the window
constexpr int kBarTop = 2;
constexpr int kBarWidth = 20;
constexpr int kBottomEdge = 11;  // the window's bottom edge covers the panel's foot

QRect placeOf(Container container) {
    const ContainerPlace& place = containerPlace(container);
    return {place.left, place.top, place.width, place.height};
}

QFrame* makeContainer(QWidget* parent, Container container) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(QString::fromUtf8(containerPlace(container).name.data()));
    frame->setGeometry(placeOf(container));
    return frame;
}

std::shared_ptr<const BoxStates::Captions> captionsOf(const TaggedBoxes& boxes) {
    auto captions = std::make_shared<BoxStates::Captions>(BoxStates::kSlotCount);
    std::vector<bool> filled(BoxStates::kSlotCount, false);
    for (const ValueBox* box : boxes.all()) {
        const int slot = BoxStates::slotOf(box->tag());
        if (slot < 0 || filled[static_cast<std::size_t>(slot)])
            continue;
        (*captions)[static_cast<std::size_t>(slot)] = box->caption();
        filled[static_cast<std::size_t>(slot)] = true;
    }
    return captions;
}

}  // namespace

ConditionPanel::ConditionPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("ConditionPanel"));
    const QRect frame = placeOf(Container::ConditionFrame);
    move(frame.topLeft());
    buildFrames();
    rows_ = buildConditionRows({conditionFrame_, extraPanel_, hiddenPanel_, this});
    buildClickRelay();
    captions_ = captionsOf(rows_.boxes);
    connectBoxes();
    // Every row and box is watched, not only the frame, because a wheel event that a box passes
    // on reaches its parents only when it came from the platform.
    conditionFrame_->installEventFilter(this);
    for (QWidget* part : conditionFrame_->findChildren<QWidget*>())
        part->installEventFilter(this);
    // The frames start in the row colour and are then painted in the window's.
    fillBackground(conditionFrame_, kWindowBackground);
    fillBackground(extraPanel_, kWindowBackground);
}

void ConditionPanel::buildFrames() {
    conditionFrame_ = makeContainer(this, Container::ConditionFrame);
    conditionFrame_->move(0, 0);
    fillBackground(conditionFrame_, kFrameFill);
    auto* extraTitle = new QLabel(QStringLiteral("银选指标"), conditionFrame_);
    extraTitle->setObjectName(QStringLiteral("银选指标"));
    extraTitle->setFont(songTi(19, true));
    extraTitle->setGeometry(0, 744, 477, 35);
    extraTitle->setAlignment(Qt::AlignCenter);
    extraPanel_ = makeContainer(conditionFrame_, Container::ExtraPanel);
    fillBackground(extraPanel_, kFrameFill);
    extraPanel_->setEnabled(false);
    hiddenPanel_ = makeContainer(this, Container::HiddenPanel);
    hiddenPanel_->setEnabled(false);
    hiddenPanel_->hide();

    scrollBar_ = new QScrollBar(Qt::Vertical, this);
    scrollBar_->setObjectName(QStringLiteral("ConditionScrollBar"));
    scrollBar_->setAccessibleName(QStringLiteral("条件滚动条"));
    scrollBar_->setRange(0, 0);
    scrollBar_->setSingleStep(20);
    scrollBar_->setPageStep(200);
    connect(scrollBar_, &QScrollBar::valueChanged, this,
            [this](int position) { conditionFrame_->move(0, -position); });
}

// The hidden toggle that every relayed click goes on to, last of the tagged boxes.
void ConditionPanel::buildClickRelay() {
    auto* relay =
        new ValueBox(kClickRelayTag, QString::fromUtf8(kClickRelayCaption.data(), 1), this);
    relay->setObjectName(QStringLiteral("all"));
    relay->setGeometry(716, 110, 16, 13);
    relay->hide();
    rows_.boxes.add(relay);
}

void ConditionPanel::connectBoxes() {
    for (ValueBox* box : rows_.boxes.all()) {
        connect(box, &ValueBox::toggled, this, &ConditionPanel::changed);
        if (const SelectAllToggleDef* toggle = toggleOfTag(box->tag())) {
            connect(box, &ValueBox::clicked, this, [this, toggle] {
                runGuarded(this, [this, toggle] { applySelectAll(*toggle); });
            });
            continue;
        }
        const ConditionRow* row = rowOfTag(box->tag());
        // A tag two boxes carry relays through the first of them only.
        if (row != nullptr && row->relaysClicks && rows_.boxes.find(box->tag()) == box) {
            connect(box, &ValueBox::clicked, this,
                    [this, box] { runGuarded(this, [this, box] { onValueBoxClicked(*box); }); });
        }
    }
    for (const auto& [include, box] : rows_.includes) {
        connect(box, &QCheckBox::toggled, this, &ConditionPanel::changed);
        connect(box, &QCheckBox::clicked, this, [this, include = include](bool ticked) {
            runGuarded(this, [this, include, ticked] { colourIncludeRows(include, ticked); });
        });
    }
}

BoxStates ConditionPanel::boxStates() const {
    BoxStates states(captions_);
    for (const ValueBox* box : rows_.boxes.all()) {
        if (rows_.boxes.find(box->tag()) == box)
            states.setTicked(box->tag(), box->isChecked());
    }
    return states;
}

void ConditionPanel::setBoxStates(const BoxStates& states) {
    for (ValueBox* box : rows_.boxes.all()) {
        if (rows_.boxes.find(box->tag()) == box)
            box->setChecked(states.ticked(box->tag()));
    }
}

QCheckBox* ConditionPanel::includeBox(Check include) const {
    const auto found = rows_.includes.find(include);
    return found == rows_.includes.end() ? nullptr : found->second;
}

void ConditionPanel::fitToHeight(int height) {
    const int rowWidth = rowOfGroupWith(TestKind::BankerDigits)->width();
    resize(kBarLeft + kBarWidth, height);
    conditionFrame_->resize(rowWidth, conditionFrame_->height());
    extraPanel_->resize(rowWidth, extraPanel_->height());
    scrollBar_->setGeometry(kBarLeft, kBarTop, kBarWidth, height - kBarTop - kBottomEdge);
    const QFrame* lastRows = rows_.frame(kLastRowsShownFrom);
    scrollBar_->setMaximum(conditionFrame_->height() - (lastRows ? lastRows->y() : 0) +
                           kScrollMargin);
}

void ConditionPanel::setExtraEnabled(bool enabled) {
    extraPanel_->setEnabled(enabled);
}

QWidget* ConditionPanel::rowOfGroupWith(TestKind test) const {
    const ConditionGroup* group = groupWithTest(test);
    const ConditionRow* row = group ? rowOfTag(group->tags.first) : nullptr;
    return row ? rows_.frame(row->name) : nullptr;
}

void ConditionPanel::enableBankerAndWasteRows(bool enabled) {
    for (TestKind test : {TestKind::BankerDigits, TestKind::ExcludedDigits}) {
        if (QWidget* row = rowOfGroupWith(test))
            row->setEnabled(enabled);
    }
}

void ConditionPanel::untickBankerBoxes() {
    const TagSpan banker = groupWithTest(TestKind::BankerDigits)->tags;
    for (int tag = banker.first; tag <= banker.last; ++tag)
        rows_.boxes.at(tag).setChecked(false);
}

void ConditionPanel::matchPositionRowsToToggles() {
    for (Feature position : {Feature::Hundreds, Feature::Tens, Feature::Units}) {
        if (const SelectAllToggleDef* toggle = toggleOfGroup(*groupWithFeature(position)))
            applySelectAll(*toggle);
    }
}

// The toggle has already flipped itself; its row follows it.
void ConditionPanel::applySelectAll(const SelectAllToggleDef& toggle) {
    const bool ticked = rows_.boxes.at(toggle.tag).isChecked();
    for (int tag = toggle.first; tag < toggle.first + toggle.count; ++tag)
        rows_.boxes.at(tag).setChecked(ticked);
}

// A toggle shows as ticked only when every box it is synced from is ticked. For "二  码" that is
// the 45 pairs together with the ten pair digits, though the toggle itself ticks only the pairs.
void ConditionPanel::syncSelectAll(const SelectAllToggleDef& toggle) {
    letEventsThrough();
    bool allTicked = true;
    for (const TagSpan& span : toggle.syncedFrom) {
        for (int tag = span.first; tag <= span.last; ++tag)
            allTicked = allTicked && rows_.boxes.at(tag).isChecked();
    }
    rows_.boxes.at(toggle.tag).setChecked(allTicked);
}

// The box has already toggled itself; pending events run first so that its new look is drawn.
// Rows without a "全选" toggle change nothing.
void ConditionPanel::onValueBoxClicked(const ValueBox& box) {
    letEventsThrough();
    if (const SelectAllToggleDef* toggle = toggleSyncedFrom(box.tag()))
        syncSelectAll(*toggle);
}

// Ticked values of the group are kept (black on green) or thrown out (yellow on red).
void ConditionPanel::colourIncludeRows(Check include, bool ticked) {
    const LitColours scheme = ticked ? includeScheme() : excludeScheme();
    for (const ConditionRow& row : conditionRows()) {
        if (row.include != include)
            continue;
        for (const ConditionGroup& group : row.groups) {
            if (group.include != include)
                continue;
            for (int tag = group.tags.first; tag <= group.tags.last; ++tag)
                rows_.boxes.at(tag).setLitColours(scheme);
        }
        for (const SelectAllToggleDef& toggle : row.toggles)
            rows_.boxes.at(toggle.tag).setLitColours(scheme);
    }
}

void ConditionPanel::reset() {
    for (int tag = kBasicTags.first; tag <= kBasicTags.last; ++tag)
        rows_.boxes.at(tag).setChecked(false);
    for (int tag = kExtraTags.first; tag <= kExtraTags.last; ++tag)
        rows_.boxes.at(tag).setChecked(false);
    for (const SelectAllToggleDef& toggle : selectAllToggles())
        rows_.boxes.at(toggle.tag).setChecked(false);
    for (const auto& [include, box] : rows_.includes)
        box->setChecked(false);
    // The two-digit and pair rows go back to the exclude colours; the single digits keep theirs.
    colourIncludeRows(Check::IncludePairs, false);
    colourIncludeRows(Check::IncludePairDigit, false);
    hiddenPanel_->hide();
    // The window after a reset is the window at start: both rows usable, the extra panel off.
    enableBankerAndWasteRows(true);
    extraPanel_->setEnabled(false);
}

bool ConditionPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Wheel && watched->isWidgetType() &&
        (watched == conditionFrame_ ||
         conditionFrame_->isAncestorOf(static_cast<QWidget*>(watched)))) {
        QCoreApplication::sendEvent(scrollBar_, event);
        return true;
    }
    if (auto* box = qobject_cast<ValueBox*>(watched)) {
        if (event->type() == QEvent::KeyPress)
            return handleKey(*box, static_cast<QKeyEvent*>(event)->key());
        if (event->type() == QEvent::FocusIn)
            keepInView(*box);
    }
    return QWidget::eventFilter(watched, event);
}

void ConditionPanel::setTabNeighbours(QWidget* before, QWidget* after) {
    tabBefore_ = before;
    tabAfter_ = after;
    if (QWidget* entry = entryBox())
        entry->setFocusPolicy(Qt::StrongFocus);
}

bool ConditionPanel::handleKey(ValueBox& box, int key) {
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
        if (QWidget* next = key == Qt::Key_Tab ? tabAfter_ : tabBefore_)
            next->setFocus(key == Qt::Key_Tab ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return true;
    }
    if (key != Qt::Key_Left && key != Qt::Key_Right && key != Qt::Key_Up && key != Qt::Key_Down)
        return false;
    if (ValueBox* next = neighbour(box, key))
        next->setFocus(Qt::OtherFocusReason);
    return true;
}

// The boxes the player can click, with where they stand in the rows' frame.
std::vector<ConditionPanel::Placed> ConditionPanel::clickableBoxes() const {
    std::vector<Placed> placed;
    for (ValueBox* box : rows_.boxes.all()) {
        // The stray box above its row is out of sight, so out of reach.
        if (conditionFrame_->isAncestorOf(box) && box->isVisibleTo(conditionFrame_) &&
            box->isEnabled() && box->y() >= 0)
            placed.push_back({box, box->mapTo(conditionFrame_, QPoint(0, 0))});
    }
    return placed;
}

namespace {

constexpr int kSameLine = 4;

bool onLine(QPoint place, int lineTop) {
    return std::abs(place.y() - lineTop) <= kSameLine;
}

// The boxes of the nearest line below (`down`) or above the given top.
template <typename Placed>
std::vector<Placed> nextLine(const std::vector<Placed>& boxes, int top, bool down) {
    const Placed* nearest = nullptr;
    for (const Placed& box : boxes) {
        const int dy = box.at.y() - top;
        const bool beyond = down ? dy > kSameLine : dy < -kSameLine;
        if (beyond && (!nearest || std::abs(dy) < std::abs(nearest->at.y() - top)))
            nearest = &box;
    }
    std::vector<Placed> line;
    for (const Placed& box : boxes) {
        if (nearest && onLine(box.at, nearest->at.y()))
            line.push_back(box);
    }
    return line;
}

// The box nearest to `x`.
template <typename Placed>
ValueBox* closestTo(const std::vector<Placed>& boxes, int x) {
    const Placed* best = nullptr;
    for (const Placed& box : boxes) {
        if (!best || std::abs(box.at.x() - x) < std::abs(best->at.x() - x))
            best = &box;
    }
    return best ? best->box : nullptr;
}

}  // namespace

// The box an arrow key leads to, by where the boxes stand: along the line and on to the next
// line at its ends, or to the nearest box of the line above or below.
ValueBox* ConditionPanel::neighbour(const ValueBox& from, int key) const {
    const std::vector<Placed> boxes = clickableBoxes();
    const QPoint here = from.mapTo(conditionFrame_, QPoint(0, 0));
    const bool forward = key == Qt::Key_Right || key == Qt::Key_Down;
    if (key == Qt::Key_Up || key == Qt::Key_Down)
        return closestTo(nextLine(boxes, here.y(), forward), here.x());
    std::vector<Placed> along;
    for (const Placed& box : boxes) {
        const bool ahead = forward ? box.at.x() > here.x() : box.at.x() < here.x();
        if (onLine(box.at, here.y()) && ahead)
            along.push_back(box);
    }
    if (!along.empty())
        return closestTo(along, here.x());
    // At the end of a line: the start of the next one, or the end of the one before.
    return closestTo(nextLine(boxes, here.y(), forward), forward ? 0 : 1 << 20);
}

QWidget* ConditionPanel::entryBox() const {
    const std::vector<Placed> boxes = clickableBoxes();
    const Placed* first = nullptr;
    for (const Placed& box : boxes) {
        if (!first || std::pair(box.at.y(), box.at.x()) < std::pair(first->at.y(), first->at.x()))
            first = &box;
    }
    return first ? first->box : nullptr;
}

// The rows scroll so that the box the keyboard is on stands in the visible part.
void ConditionPanel::keepInView(const ValueBox& box) {
    constexpr int kMargin = 20;
    const int top = box.mapTo(conditionFrame_, QPoint(0, 0)).y();
    const int shown = height() - kBottomEdge;
    const int scrolled = scrollBar_->value();
    if (top < scrolled + kMargin)
        scrollBar_->setValue(top - kMargin);
    else if (top + box.height() > scrolled + shown - kMargin)
        scrollBar_->setValue(top + box.height() - shown + kMargin);
}

}  // namespace suoshui::ui
