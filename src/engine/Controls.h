#pragma once

#include <string>

namespace suoshui {

// A value box (or a select-all toggle) as the core sees it: a tagged toggle with a caption.
class ValueBoxView {
  public:
    virtual ~ValueBoxView() = default;
    virtual bool ticked() const = 0;
    virtual void setTicked(bool ticked) = 0;
    // UTF-8 caption, compared byte for byte with feature texts.
    virtual const std::string& caption() const = 0;
};

// The option check boxes the core reads.
enum class Check {
    ExcludeSets,         // "排 除"
    RandomCount,         // "条件随机"
    ExtraEnabled,        // "启用银选"
    Intersect,           // "取 交 集"
    GroupToDirect,       // "组选转直"
    IncludePairs,        // "包含" of the two-digit pairs (177-221)
    IncludePairDigit,    // "包含" of the group-three pair digits (260-269)
    IncludeSingleDigit,  // "包含" of the group-three single digits (270-279)
};

// Every radio button the core reads, one enumerator per button.
enum class Radio {
    // "类型：" number types
    Direct,       // "直选号"
    DirectSix,    // "组六直选"
    DirectThree,  // "组三直选"
    Group,        // "组选号"
    GroupSix,     // "组六组选"
    GroupThree,   // "组三组选"
    // "方式：" generation modes
    Positional,  // "定位"
    DigitSet,    // "不定位"
    BankerDrag,  // "胆拖"
    BaseList,    // "大底"
    // "结果分类：" result groupings
    Flat,         // "常 规"
    BySum,        // "和 值"
    BySumTail,    // "和 尾"
    BySpan,       // "跨 度"
    ByParity,     // "奇偶比"
    BySizeRatio,  // "大小比"
};

// The edit boxes the core reads or rewrites. Texts are UTF-8; multi-line boxes use CR LF.
enum class TextBox {
    DigitSequence,   // "不定位" digits
    Banker,          // "胆码"
    Drag,            // "拖码"
    BaseList,        // "大底"
    TargetCount,     // "选择注数："
    ExcludeSet1,     // "复式排除", upper left
    ExcludeSet2,     // upper right
    ExcludeSet3,     // lower left
    ExcludeSet4,     // lower right
    ExcludeSingles,  // "单式排除"
    Result,          // the result box
};

// The window as the core sees it. The main window implements it over its widgets; the core's
// tests use an in-memory implementation. Nothing here caches state: every read is live.
class Controls {
  public:
    virtual ~Controls() = default;

    // The first control in window order that carries the tag, or nullptr when none does.
    // Covers value boxes (1-279, 301-530), select-all toggles (1001-1038) and the relay (999).
    virtual ValueBoxView* findTag(int tag) = 0;

    virtual bool isChecked(Check check) const = 0;
    virtual bool isChecked(Radio radio) const = 0;

    virtual std::string text(TextBox box) const = 0;
    virtual void setText(TextBox box, const std::string& text) = 0;

    // Selected index of the banker position drop-down: 0 "不定位", 1 "百  位", 2 "十  位", 3 "个
    // 位".
    virtual int positionIndex() const = 0;

    // Width of the main window in pixels, and the font of the result box.
    virtual int windowWidth() const = 0;
    virtual void setResultFont(int points, bool bold) = 0;

    // The two busy pictures shown while a filter run is in progress.
    virtual void setBusy(bool busy) = 0;

    // Lets the window handle pending events (clicks, repaints) in the middle of long work.
    virtual void processEvents() = 0;
};

}  // namespace suoshui
