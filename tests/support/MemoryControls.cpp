#include "support/MemoryControls.h"

#include <initializer_list>

namespace suoshui::testing {

namespace {

const std::initializer_list<Radio> kNumberTypes = {Radio::Direct,      Radio::DirectSix,
                                                   Radio::DirectThree, Radio::Group,
                                                   Radio::GroupSix,    Radio::GroupThree};
const std::initializer_list<Radio> kModes = {Radio::Positional, Radio::DigitSet, Radio::BankerDrag,
                                             Radio::BaseList};
const std::initializer_list<Radio> kGroupings = {Radio::Flat,      Radio::BySum,
                                                 Radio::BySumTail, Radio::BySpan,
                                                 Radio::ByParity,  Radio::BySizeRatio};

const std::initializer_list<Radio>& radioGroupOf(Radio radio) {
    for (const auto* group : {&kNumberTypes, &kModes, &kGroupings}) {
        for (Radio member : *group) {
            if (member == radio)
                return *group;
        }
    }
    return kGroupings;
}

}  // namespace

MemoryControls::MemoryControls() {
    select(Radio::Direct);
    select(Radio::Positional);
    select(Radio::Flat);
    texts_[TextBox::DigitSequence] = kDigitSequenceHint;
    texts_[TextBox::BaseList] = kBaseListHint;
}

MemoryBox& MemoryControls::addBox(int tag, std::string caption) {
    MemoryBox& added = boxes_.emplace_back(tag, std::move(caption));
    byTag_.try_emplace(tag, &added);
    return added;
}

MemoryBox* MemoryControls::box(int tag) {
    auto found = byTag_.find(tag);
    return found == byTag_.end() ? nullptr : found->second;
}

void MemoryControls::tick(int tag, bool ticked) {
    if (MemoryBox* found = box(tag))
        found->setTicked(ticked);
}

ValueBoxView* MemoryControls::findTag(int tag) {
    return box(tag);
}

bool MemoryControls::isChecked(Check check) const {
    auto found = checks_.find(check);
    return found != checks_.end() && found->second;
}

bool MemoryControls::isChecked(Radio radio) const {
    auto found = radios_.find(radio);
    return found != radios_.end() && found->second;
}

std::string MemoryControls::text(TextBox box) const {
    auto found = texts_.find(box);
    return found == texts_.end() ? std::string() : found->second;
}

void MemoryControls::setText(TextBox box, const std::string& text) {
    texts_[box] = text;
}

void MemoryControls::setResultFont(int points, bool bold) {
    resultFontPoints = points;
    resultFontBold = bold;
}

void MemoryControls::setBusy(bool shown) {
    busy = shown;
    if (shown)
        ++busyShownCount;
}

void MemoryControls::processEvents() {
    ++processEventsCount;
    if (onProcessEvents)
        onProcessEvents();
}

void MemoryControls::setChecked(Check check, bool checked) {
    checks_[check] = checked;
}

void MemoryControls::clearRadioGroupOf(Radio radio) {
    for (Radio member : radioGroupOf(radio))
        radios_[member] = false;
}

void MemoryControls::select(Radio radio) {
    clearRadioGroupOf(radio);
    radios_[radio] = true;
}

}  // namespace suoshui::testing
