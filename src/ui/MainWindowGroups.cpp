// The "全选" toggles and the relay that keeps them in step with the boxes of their rows.
#include <QCoreApplication>

#include "engine/TagTable.h"
#include "features/WindowTable.h"
#include "ui/HandlerGuard.h"
#include "ui/MainWindow.h"
#include "ui/ValueBox.h"

namespace suoshui::ui {

namespace {

const SelectAllToggleDef* toggleOfTag(int tag) {
    for (const SelectAllToggleDef& toggle : selectAllToggles()) {
        if (toggle.tag == tag)
            return &toggle;
    }
    return nullptr;
}

// The toggle that shows whether the box's row is wholly ticked; nullptr for rows without one.
const SelectAllToggleDef* toggleSyncedFrom(int tag) {
    for (const SelectAllToggleDef& toggle : selectAllToggles()) {
        for (const TagSpan& span : toggle.syncedFrom) {
            if (span.contains(tag))
                return &toggle;
        }
    }
    return nullptr;
}

}  // namespace

// Every control with the tag, found by going over the window's controls: the toggles and the
// relay are not in the tag table.
ValueBox* MainWindow::boxOfTag(int tag) {
    for (ValueBox* box : taggedButtons_) {
        if (box->tag() == tag)
            return box;
    }
    throw TagNotFound(tag);
}

void MainWindow::connectSelectAllToggles() {
    for (ValueBox* box : taggedButtons_) {
        const SelectAllToggleDef* def = toggleOfTag(box->tag());
        if (def == nullptr)
            continue;
        connect(box, &ValueBox::clicked, this, [this, box, def] {
            runGuarded(this, [this, box, def] { applySelectAll(box, def->count, def->first); });
        });
    }
}

// The toggle has already flipped itself; its row follows it.
void MainWindow::applySelectAll(ValueBox* toggle, int count, int first) {
    const bool ticked = toggle->isChecked();
    for (int tag = first; tag < first + count; ++tag)
        boxOfTag(tag)->setChecked(ticked);
}

// A toggle shows as ticked only when every box it is synced from is ticked. For "二  码" that is
// the 45 pairs together with the ten pair digits, though the toggle itself ticks only the pairs.
void MainWindow::syncSelectAll(ValueBox* toggle) {
    QCoreApplication::processEvents();
    const SelectAllToggleDef* def = toggleOfTag(toggle->tag());
    if (def == nullptr)
        return;
    bool allTicked = true;
    for (const TagSpan& span : def->syncedFrom) {
        for (int tag = span.first; tag <= span.last; ++tag)
            allTicked = allTicked && session_.tags.ticked(tag);
    }
    toggle->setChecked(allTicked);
}

// The box has already toggled itself. Rows without a "全选" toggle change nothing.
void MainWindow::onValueBoxClicked(ValueBox* box) {
    QCoreApplication::processEvents();
    if (const SelectAllToggleDef* toggle = toggleSyncedFrom(box->tag()))
        syncSelectAll(boxOfTag(toggle->tag));
}

// "不定位" and "胆拖" take every position box as its row's toggle stands, dropping single ticks.
void MainWindow::matchPositionRowsToToggles() {
    for (int toggleTag : {1001, 1002, 1003}) {
        const SelectAllToggleDef* def = toggleOfTag(toggleTag);
        applySelectAll(boxOfTag(toggleTag), def->count, def->first);
    }
}

}  // namespace suoshui::ui
