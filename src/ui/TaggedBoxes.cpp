#include "ui/TaggedBoxes.h"

#include "features/ConditionTable.h"
#include "ui/ValueBox.h"

namespace suoshui::ui {

ValueBox* TaggedBoxes::find(int tag) const {
    for (ValueBox* box : boxes_) {
        if (box->tag() == tag)
            return box;
    }
    return nullptr;
}

ValueBox& TaggedBoxes::at(int tag) const {
    ValueBox* box = find(tag);
    if (box == nullptr)
        throw TagNotFound(tag);
    return *box;
}

}  // namespace suoshui::ui
