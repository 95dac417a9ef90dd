#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Controls.h"

namespace suoshui {

// The rows of value boxes of the main window, written once. The filter's condition chain, the
// condition summary, the select-all toggles and the construction of the window (real or in
// memory) all read this table; nothing else spells out a tag range or a caption.

// Inclusive range of consecutive tags.
struct TagSpan {
    int first = 0;
    int last = 0;
    int count() const { return last - first + 1; }
    bool contains(int tag) const { return tag >= first && tag <= last; }
};

// Where a row frame sits.
enum class Container {
    ConditionFrame,  // "条件框", the scrolled frame of the basic rows
    ExtraPanel,      // "银选面板", enabled while "启用银选" is ticked
    HiddenPanel,     // "银选面板2", never shown
    RepeatRow,       // the "重复号" row frame, placed on the window itself, never shown
    PairsFrame,      // a sub-frame inside "外形框10"
};

// Which stage of a filter run tests a condition group.
enum class Stage { Basic, Extra, Untested };

// The text a condition group is tested against, computed from the candidate.
enum class Feature {
    None,
    Hundreds,
    Tens,
    Units,
    SumTail,
    Span,
    DigitSum,
    Mod3Pattern,
    Mod3Ratio,
    Size3Pattern,
    Size3Ratio,
    ParityPattern,
    SizePattern,
    PrimePattern,
    ParityRatio,
    SizeRatio,
    PrimeRatio,
    Candidate,  // the number text itself ("废码", "胆码", "二  码")
    ConsecutiveKind,
    PairDigitTwice,
    SingleDigit,
    GroupThreeTrait,
    HighLowShape,
    ConsecutivePosition,
    ConsecutiveParity,
    ConsecutiveHighLow,
    Spread,
    PairSumTailHundredsTens,
    PairSumTailTensUnits,
    PairSumTailHundredsUnits,
    PairDifferenceHundredsTens,
    PairDifferenceTensUnits,
    PairDifferenceHundredsUnits,
    PairSumHundredsTens,
    PairSumTensUnits,
    PairSumHundredsUnits,
    AnyPairSumTail,     // the three pair sum tails, tried pair by pair
    AnyPairDifference,  // the three pair differences
    AnyPairSum,         // the three pair sums
};

// The operation that decides a condition group for one candidate.
enum class Test {
    None,
    MatchGroup,        // the standard rule of the basic stage
    PairDigitGroup,    // "组三对码"
    SingleDigitGroup,  // "组三单码"
    GroupThreeTrait,   // "单号大" / "复号大"
    ExtraGroup,        // plain groups of the extra stage
    HighLowShape,      // the "高中低" forms
    AnyPair,           // the three "任意" groups
};

// The two sets of lines of the condition summary.
enum class SummarySection { Basic, Extended };

// One line of the condition summary that lists the ticked boxes of a tag span.
struct SummaryPart {
    TagSpan tags;
    std::string_view label;          // the form without (or with an unticked) include option
    std::string_view labelIncluded;  // the "包含..." form; empty when there is no include option
    SummarySection section = SummarySection::Basic;
    int position = 0;  // 1-based place among the lines of its section
};

// A condition group: consecutive value boxes tested together.
struct ConditionGroupDef {
    TagSpan tags;
    int order = 0;  // 1-40 in the filter run; 0 for groups that are never tested
    Stage stage = Stage::Untested;
    Feature feature = Feature::None;
    Test test = Test::None;
    std::optional<Check> include;  // the "包含" box that switches the group's setting
    std::vector<SummaryPart> summary;
};

// A "全选" toggle: applies its state to `count` boxes from `first`, and shows as ticked when
// every box of the synced spans is ticked.
struct SelectAllToggleDef {
    int tag = 0;
    int first = 0;
    int count = 0;
    std::vector<TagSpan> syncedFrom;
};

// A text label inside a row frame.
struct RowLabel {
    std::string_view text;
    int left = 8;
    int top = 3;
};

// One line of boxes as the player sees it, when it differs from ascending tag order.
struct DisplayLine {
    std::string_view heading;  // e.g. "组六"; empty for none
    std::vector<int> tags;
    int selectAllTag = 0;  // the toggle at the end of this line, 0 for none
};

// The "包含" check box of a row.
struct IncludeOptionDef {
    Check check;
    int left = 0;
    int top = 0;
};

// A box placed away from the row's flow (the stray "4" of "连  号" sits above the visible area).
struct OffsetBox {
    int tag = 0;
    int top = 0;
};

// One row frame of value boxes.
struct WindowRow {
    std::string_view frame;  // name in the window definition, e.g. "外形框2"
    Container container = Container::ConditionFrame;
    std::string_view parentFrame;  // for sub-frames: the frame that holds them
    std::vector<RowLabel> labels;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    std::vector<TagSpan> spans;             // ascending
    std::vector<std::string> captions;      // one per tag of the spans, ascending tag order
    std::vector<DisplayLine> displayLines;  // empty: ascending tag order, wrapped to the width
    std::vector<SelectAllToggleDef> toggles;
    std::optional<IncludeOptionDef> include;
    std::vector<OffsetBox> offsetBoxes;
    bool shown = true;         // false for the rows of the never-shown containers
    bool boxesVisible = true;  // false where even the boxes are invisible ("和9差5")
    std::vector<ConditionGroupDef> groups;

    // Caption of a tag of this row; empty for a tag the row does not carry.
    std::string_view captionOf(int tag) const;
};

// A container of rows with its place in its own parent (the window, or "条件框" for the panel).
struct ContainerFrame {
    Container container;
    std::string_view name;  // empty for the sub-frames, which each row names itself
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool shown = true;
};

// "条件框", "银选面板" and "银选面板2"; the "重复号" row and the sub-frames place themselves.
const std::vector<ContainerFrame>& containerFrames();

// Every row, in the window's control order: the rows of "条件框" from the top (sub-frames of
// "外形框10" right after it), then "银选面板", "银选面板2" and the "重复号" row.
const std::vector<WindowRow>& windowRows();

// ---- Views derived from the rows ----

struct SummaryLine {
    int first;
    int last;
    std::string_view label;
    std::string_view labelIncluded;
    std::optional<Check> include;
};

// Summary lines in output order.
std::vector<SummaryLine> basicSummaryLines();
std::vector<SummaryLine> extendedSummaryLines();

// Every "全选" toggle, in ascending tag order.
const std::vector<SelectAllToggleDef>& selectAllToggles();

// The condition groups of one stage, in filter order.
const std::vector<const ConditionGroupDef*>& stageGroups(Stage stage);

// The row that holds a tag; nullptr for a tag that no row carries.
const WindowRow* rowOfTag(int tag);

enum class BoxKind { Value, SelectAll, Relay };

// One tagged control in window control order.
struct WindowBox {
    int tag;
    std::string_view caption;
    BoxKind kind;
    const WindowRow* row;  // nullptr for the relay
};

inline constexpr int kClickRelayTag = 999;
inline constexpr std::string_view kClickRelayCaption = "0";
inline constexpr std::string_view kSelectAllCaption = "全选";

// Every tagged control of the window in control order: each row's value boxes in ascending tag
// order followed by its toggles, then the click relay.
const std::vector<WindowBox>& windowBoxes();

}  // namespace suoshui
