#include "support/MemoryControls.h"

namespace suoshui::testing {

namespace {

// The field of the settings a digit box writes back into, as the window's box would show it.
std::string* fieldOf(FilterSettings& settings, TextBox box) {
    switch (box) {
        case TextBox::DigitSequence:
            return &settings.digitSequence;
        case TextBox::Banker:
            return &settings.banker;
        case TextBox::Drag:
            return &settings.drag;
        case TextBox::ExcludeSet1:
        case TextBox::ExcludeSet2:
        case TextBox::ExcludeSet3:
        case TextBox::ExcludeSet4:
            return &settings.excludeSets[static_cast<std::size_t>(box) -
                                         static_cast<std::size_t>(TextBox::ExcludeSet1)];
        case TextBox::Result:
            break;
    }
    return nullptr;
}

}  // namespace

FilterSettings MemoryControls::readSettings() {
    if (missingTag)
        throw TagNotFound(kBasicTags.first);
    return settings;
}

void MemoryControls::setText(TextBox box, const std::string& text) {
    texts_[box] = text;
    if (std::string* field = fieldOf(settings, box))
        *field = text;
    // A box rewritten changes, as in the window; only the run's own reading ignores it.
    ++changes_;
}

std::string MemoryControls::text(TextBox box) const {
    const auto found = texts_.find(box);
    return found == texts_.end() ? std::string() : found->second;
}

void MemoryControls::letWindowBreathe() {
    ++eventPasses;
    if (onEventPass)
        onEventPass();
}

void MemoryControls::runStarted() {
    busy = true;
    ++runsStarted;
}

void MemoryControls::change(const std::function<void(FilterSettings&)>& edit) {
    edit(settings);
    ++changes_;
}

}  // namespace suoshui::testing
