#include "ui/OmissionHints.h"

#include "ui/ValueBox.h"

namespace suoshui::ui {

void OmissionHints::show(const OmissionCounts& counts, const std::vector<ValueBox*>& boxes) {
    clear();
    for (ValueBox* box : boxes) {
        const ValueOmission* omission = counts.of(box->tag());
        if (!omission)
            continue;
        const QString line = QString::fromStdString(omissionText(*omission, counts.recentDraws()));
        hinted_.push_back(
            {box, box->toolTip(), QString::fromStdString(currentOmissionText(*omission))});
        box->setToolTip(box->toolTip() + QStringLiteral("\n") + line);
    }
    showInBoxes(inBoxes_);
}

void OmissionHints::clear() {
    for (const Hinted& hinted : hinted_) {
        if (!hinted.box)
            continue;
        hinted.box->setToolTip(hinted.ownHint);
        hinted.box->setOmission(std::nullopt);
    }
    hinted_.clear();
}

void OmissionHints::showInBoxes(bool shown) {
    inBoxes_ = shown;
    for (const Hinted& hinted : hinted_) {
        if (hinted.box)
            hinted.box->setOmission(shown ? std::optional<QString>(hinted.current) : std::nullopt);
    }
}

}  // namespace suoshui::ui
