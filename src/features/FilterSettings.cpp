#include "features/FilterSettings.h"

namespace suoshui {

namespace {

std::shared_ptr<const BoxStates::Captions> tableCaptions() {
    static const auto captions = [] {
        auto built = std::make_shared<BoxStates::Captions>(BoxStates::kSlotCount);
        std::bitset<BoxStates::kSlotCount> filled;
        for (const WindowBox& box : windowBoxes()) {
            const int slot = BoxStates::slotOf(box.tag);
            if (slot < 0 || filled.test(static_cast<std::size_t>(slot)))
                continue;
            (*built)[static_cast<std::size_t>(slot)] = std::string(box.caption);
            filled.set(static_cast<std::size_t>(slot));
        }
        return std::shared_ptr<const BoxStates::Captions>(std::move(built));
    }();
    return captions;
}

const std::string& noCaption() {
    static const std::string empty;
    return empty;
}

}  // namespace

BoxStates::BoxStates() : captions_(tableCaptions()) {}

BoxStates::BoxStates(std::shared_ptr<const Captions> captions) : captions_(std::move(captions)) {}

void BoxStates::setTicked(int tag, bool ticked) {
    const int slot = slotOf(tag);
    if (slot >= 0)
        ticked_.set(static_cast<std::size_t>(slot), ticked);
}

void BoxStates::tick(TagSpan span, bool ticked) {
    for (int tag = span.first; tag <= span.last; ++tag)
        setTicked(tag, ticked);
}

const std::string& BoxStates::caption(int tag) const {
    const int slot = slotOf(tag);
    if (slot < 0 || !captions_ || static_cast<std::size_t>(slot) >= captions_->size())
        return noCaption();
    return (*captions_)[static_cast<std::size_t>(slot)];
}

bool BoxStates::operator==(const BoxStates& other) const {
    if (ticked_ != other.ticked_)
        return false;
    if (captions_ == other.captions_)
        return true;
    return captions_ && other.captions_ && *captions_ == *other.captions_;
}

FilterSettings FilterSettings::asRunUsesThem() const {
    FilterSettings used = *this;
    if (mode != GenerationMode::DigitSet)
        used.digitSequence.clear();
    if (mode != GenerationMode::BankerDrag) {
        used.banker.clear();
        used.drag.clear();
        used.bankerPosition = 0;
    }
    if (mode != GenerationMode::BaseList) {
        used.baseList.clear();
        used.setChecked(Check::Intersect, false);
        used.setChecked(Check::GroupToDirect, false);
    }
    if (!used.isChecked(Check::Intersect))
        used.intersectCount = kDefaultIntersectCount;
    if (!isChecked(Check::ExcludeSets)) {
        used.excludeSets = {};
        used.excludeSingles.clear();
    }
    if (!isChecked(Check::RandomCount))
        used.targetCount.clear();
    if (!tolerance.on)
        used.tolerance = {};
    return used;
}

}  // namespace suoshui
