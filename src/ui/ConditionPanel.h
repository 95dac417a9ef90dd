#pragma once

#include <QWidget>
#include <memory>

#include "features/FilterSettings.h"
#include "ui/ConditionRows.h"

class QCheckBox;
class QFrame;
class QScrollBar;

namespace suoshui::ui {

class ValueBox;

// The rows of value boxes: "条件框" scrolled under a window of its own by "ConditionScrollBar"
// and the mouse wheel, "银选面板" inside it, the never-shown rows, the "全选" toggles with the
// relay that keeps them in step, and the "包含" boxes with the colours they switch.
class ConditionPanel : public QWidget {
    Q_OBJECT
  public:
    explicit ConditionPanel(QWidget* parent);

    // The ticks and captions of every tagged box, and whether a "包含" box is ticked.
    BoxStates boxStates() const;
    QCheckBox* includeBox(Check include) const;
    // Ticks the boxes and toggles as the states say, as the program does: no click handler
    // runs, so the toggles take exactly their own states.
    void setBoxStates(const BoxStates& states);
    const TaggedBoxes& boxes() const { return rows_.boxes; }

    // Sets the width of the rows' frames and the height that the bar scrolls over.
    void fitToHeight(int height);

    // "启用银选": the extra panel takes clicks only while ticked; its ticks stay either way.
    void setExtraEnabled(bool enabled);
    // "胆拖" turns the banker and waste rows off, the other modes and "排 除" back on.
    void enableBankerAndWasteRows(bool enabled);
    void untickBankerBoxes();
    // "不定位" and "胆拖" take every position box as its row's toggle stands.
    void matchPositionRowsToToggles();
    // The box Tab reaches the rows by: the first of the first row. In the rows the arrow keys
    // move between boxes and Space ticks; Tab and Shift+Tab leave them for these neighbours.
    QWidget* entryBox() const;
    void setTabNeighbours(QWidget* before, QWidget* after);

    // "重置": nothing ticked, the "包含" boxes unticked with the pair rows in the exclude colours,
    // the rows usable and the extra panel off.
    void reset();

  signals:
    // A tick or a "包含" box changed.
    void changed();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildFrames();
    void buildClickRelay();
    void connectBoxes();
    void applySelectAll(const SelectAllToggleDef& toggle);
    void syncSelectAll(const SelectAllToggleDef& toggle);
    void onValueBoxClicked(const ValueBox& box);
    void colourIncludeRows(Check include, bool ticked);
    QWidget* rowOfGroupWith(TestKind test) const;
    struct Placed {
        ValueBox* box;
        QPoint at;
    };
    std::vector<Placed> clickableBoxes() const;
    bool handleKey(ValueBox& box, int key);
    ValueBox* neighbour(const ValueBox& from, int key) const;
    void keepInView(const ValueBox& box);

    QFrame* conditionFrame_ = nullptr;
    QFrame* extraPanel_ = nullptr;
    QFrame* hiddenPanel_ = nullptr;
    QScrollBar* scrollBar_ = nullptr;
    BuiltRows rows_;
    std::shared_ptr<const BoxStates::Captions> captions_;
    QWidget* tabBefore_ = nullptr;
    QWidget* tabAfter_ = nullptr;
};

}  // namespace suoshui::ui
