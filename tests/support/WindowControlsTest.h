#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string_view>

#include "engine/TagTable.h"
#include "features/WindowTable.h"
#include "support/WindowControls.h"

namespace suoshui::testing {

// A fixture with in-memory controls carrying the whole window and their tag table, for tests
// that tick value boxes by the caption a player reads on them.
class WindowControlsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        controls = makeWindowControls();
        buildTagTable(*controls, tags);
    }

    void tickCaption(TagSpan span, std::string_view caption) {
        for (int tag = span.first; tag <= span.last; ++tag) {
            if (tags.caption(tag) == caption)
                controls->tick(tag);
        }
    }

    std::unique_ptr<MemoryControls> controls;
    TagTable tags;
};

}  // namespace suoshui::testing
