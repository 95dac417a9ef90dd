#include "support/WindowControls.h"

#include "features/WindowTable.h"

namespace suoshui::testing {

void addWindowBoxes(MemoryControls& controls) {
    for (const WindowBox& box : windowBoxes())
        controls.addBox(box.tag, std::string(box.caption));
}

std::unique_ptr<MemoryControls> makeWindowControls() {
    auto controls = std::make_unique<MemoryControls>();
    addWindowBoxes(*controls);
    return controls;
}

}  // namespace suoshui::testing
