#include "engine/NumberType.h"

namespace suoshui {

bool isGroupSelection(NumberType type) {
    return type == NumberType::Group || type == NumberType::GroupSix ||
           type == NumberType::GroupThree;
}

bool listsKind(NumberType type, GroupKind kind) {
    switch (type) {
        case NumberType::Direct:
            return true;
        case NumberType::DirectSix:
        case NumberType::GroupSix:
            return kind == GroupKind::GroupSix;
        case NumberType::DirectThree:
        case NumberType::GroupThree:
            return kind == GroupKind::GroupThree;
        case NumberType::Group:
            return kind != GroupKind::Triple;
    }
    return true;
}

}  // namespace suoshui
