#pragma once

#include <QPointer>
#include <QString>
#include <vector>

#include "history/Omission.h"

namespace suoshui::ui {

class ValueBox;

// The omission counts of a draw history on the main window's value boxes: a line appended to
// the hover hint of every box of a single-value group, and, while asked, the current omission
// written small inside the box. The hints come back exactly as they were when cleared.
class OmissionHints {
  public:
    void show(const OmissionCounts& counts, const std::vector<ValueBox*>& boxes);
    void clear();
    void showInBoxes(bool shown);

  private:
    struct Hinted {
        QPointer<ValueBox> box;
        QString ownHint;
        QString current;  // "5", or "≥83" where the history is shorter than the stretch
    };

    std::vector<Hinted> hinted_;
    bool inBoxes_ = false;
};

}  // namespace suoshui::ui
