#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "features/FilterSettings.h"
#include "lists/ResultListing.h"

namespace suoshui {

// The edit boxes a filter run writes back: the digit boxes it normalises, and the result box.
// Texts are UTF-8; multi-line boxes use CR LF.
enum class TextBox {
    DigitSequence,  // "不定位" digits
    Banker,         // "胆码"
    Drag,           // "拖码"
    ExcludeSet1,    // "复式排除", upper left
    ExcludeSet2,    // upper right
    ExcludeSet3,    // lower left
    ExcludeSet4,    // lower right
    Result,         // the result box
};

// The window as a filter run sees it. The main window implements it over its panels; the core's
// tests use an in-memory implementation.
class Controls {
  public:
    virtual ~Controls() = default;

    // Everything the run reads, in one go. Throws TagNotFound when a tagged box is missing.
    virtual FilterSettings readSettings() = 0;
    // The "结果分类：" choice the report is listed by.
    virtual ResultGrouping resultGrouping() const = 0;
    // Grows whenever the player changes a control that the settings read, so that a run knows
    // when to read them again.
    virtual std::uint64_t changeCount() const = 0;

    virtual void setText(TextBox box, const std::string& text) = 0;

    // Lets the window handle pending events (clicks, repaints) in the middle of long work.
    virtual void letWindowBreathe() = 0;

    // How far the walk has come, before each candidate: a long run shows it.
    virtual void runProgress(std::size_t walked, std::size_t total) {
        static_cast<void>(walked);
        static_cast<void>(total);
    }

    // Asked after each event pass: the window is closing, and the run stops walking there,
    // leaving no result.
    virtual bool stopRequested() const { return false; }

    // A run starts walking its candidates, and stops: the window shows and hides what it shows
    // meanwhile.
    virtual void runStarted() = 0;
    virtual void runEnded() = 0;
};

}  // namespace suoshui
