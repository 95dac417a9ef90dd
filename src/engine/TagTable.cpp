#include "engine/TagTable.h"

namespace suoshui {

namespace {

ValueBoxView* lookUp(Controls& controls, int tag) {
    ValueBoxView* found = controls.findTag(tag);
    if (found == nullptr)
        throw TagNotFound(tag);
    return found;
}

}  // namespace

void buildTagTable(Controls& controls, TagTable& table) {
    for (int tag = 1; tag <= TagTable::kBasicLast; ++tag)
        table.basic_[static_cast<std::size_t>(tag)] = lookUp(controls, tag);
    for (int tag = TagTable::kExtraFirst; tag <= TagTable::kExtraLast; ++tag)
        table.extra_[static_cast<std::size_t>(tag - TagTable::kExtraFirst)] = lookUp(controls, tag);
    table.built_ = true;
}

}  // namespace suoshui
