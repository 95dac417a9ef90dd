#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "features/Options.h"

namespace suoshui {

// The conditions of the main window, written once: every value box with its tag and caption,
// the condition groups with their feature, test, include option and summary lines, and the
// "全选" toggles. The filter, the summary, the select-all toggles and the window's rows read this
// table; the window's layout of the rows is a table of its own in ui/, keyed by row name. No tag
// number or caption is written anywhere else.

// Inclusive range of consecutive tags.
struct TagSpan {
    int first = 0;
    int last = 0;
    constexpr int count() const { return last - first + 1; }
    constexpr bool contains(int tag) const { return tag >= first && tag <= last; }
    bool operator==(const TagSpan&) const = default;
};

// The tags the window carries: value boxes of the basic part and of the extra part, the "全选"
// toggles, and the hidden relay that the boxes' clicks go on to.
inline constexpr TagSpan kBasicTags{1, 279};
inline constexpr TagSpan kExtraTags{301, 530};
inline constexpr TagSpan kToggleTags{1001, 1038};
inline constexpr int kClickRelayTag = 999;
inline constexpr std::string_view kClickRelayCaption = "0";
inline constexpr std::string_view kSelectAllCaption = "全选";

// The message the player sees when a tag is carried by no control of the window.
inline constexpr const char* kTagNotFoundMessage = "未找到指定标记的组件";

// Thrown when a looked-up tag is carried by no control. The handler that asked stops there;
// the window catches it and shows the message. Changes made before the lookup stay.
class TagNotFound : public std::runtime_error {
  public:
    explicit TagNotFound(int tag) : std::runtime_error(kTagNotFoundMessage), tag_(tag) {}
    int tag() const { return tag_; }

  private:
    int tag_;
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
enum class TestKind {
    None,
    General,           // a ticked caption must equal the feature text
    ExcludedDigits,    // "废码": a ticked digit in the number rejects it
    BankerDigits,      // "胆码": a ticked digit must occur in the number
    DigitPairs,        // "二  码": pairs excluded, or included with "包含"
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
struct ConditionGroup {
    std::string_view name;  // how the player calls it: "和值", "二码", "高低形态"
    TagSpan tags;
    int order = 0;  // 1-40 in the filter run; 0 for groups that are never tested
    Stage stage = Stage::Untested;
    Feature feature = Feature::None;
    TestKind test = TestKind::None;
    std::optional<Check> include;  // the "包含" box that switches the group's setting
    std::vector<SummaryPart> summary;
};

// The number of tested groups: orders 1-23 form the basic stage, 24-40 the extra stage.
inline constexpr int kTestedGroupCount = 40;

// A "全选" toggle: applies its state to `count` boxes from `first`, and shows as ticked when
// every box of the synced spans is ticked.
struct SelectAllToggleDef {
    int tag = 0;
    int first = 0;
    int count = 0;
    std::vector<TagSpan> syncedFrom;
};

// One row of value boxes as the window groups them, in the window's control order.
struct ConditionRow {
    std::string_view name;              // the row frame of the window definition, e.g. "外形框2"
    std::vector<TagSpan> spans;         // ascending
    std::vector<std::string> captions;  // one per tag of the spans, ascending tag order
    std::vector<SelectAllToggleDef> toggles;
    std::optional<Check> include;  // the row's "包含" box
    // A click on a box goes on to the click relay, which keeps the row's toggle in step; the
    // consecutive-digit and repeat rows have no toggle and do not relay.
    bool relaysClicks = true;
    std::vector<ConditionGroup> groups;

    // Caption of a tag of this row; empty for a tag the row does not carry.
    std::string_view captionOf(int tag) const;
    // The place of a tag among the row's boxes, in ascending tag order; -1 when not carried.
    int indexOf(int tag) const;
    // Every tag of the row, ascending.
    std::vector<int> tags() const;
};

// Every row, in the window's control order: the rows of "条件框" from the top (the group-three
// digit rows right after "二  码"), then "银选面板", the never-shown rows and "重复号".
const std::vector<ConditionRow>& conditionRows();

// ---- Views derived from the rows ----

struct SummaryLine {
    TagSpan tags;
    std::string_view label;
    std::string_view labelIncluded;
    std::optional<Check> include;
};

// Summary lines in output order.
const std::vector<SummaryLine>& basicSummaryLines();
const std::vector<SummaryLine>& extendedSummaryLines();

// Every "全选" toggle, in ascending tag order.
const std::vector<SelectAllToggleDef>& selectAllToggles();
const SelectAllToggleDef* toggleOfTag(int tag);
// The toggle whose row state the box shows; nullptr for boxes of rows without one.
const SelectAllToggleDef* toggleSyncedFrom(int tag);
// The toggle that ticks exactly these boxes, or this group's; nullptr when there is none.
const SelectAllToggleDef* toggleOfSpan(TagSpan span);
const SelectAllToggleDef* toggleOfGroup(const ConditionGroup& group);

// The condition groups of one stage, in filter order.
const std::vector<const ConditionGroup*>& stageGroups(Stage stage);
// The tested groups, orders 1-40, in filter order.
const std::vector<const ConditionGroup*>& testedGroups();
// The first group with this test; nullptr when none has it.
const ConditionGroup* groupWithTest(TestKind test);
// The group of this feature; nullptr when none has it.
const ConditionGroup* groupWithFeature(Feature feature);

// The row that holds a tag; nullptr for a tag that no row carries.
const ConditionRow* rowOfTag(int tag);

// The value box of the feature's group whose caption is the value ("百位" and "6", "和值" and
// "19"); nothing when the group has no such box.
std::optional<int> tagOfFeatureValue(Feature feature, std::string_view value);

enum class BoxKind { Value, SelectAll, Relay };

// One tagged control in window control order.
struct WindowBox {
    int tag;
    std::string_view caption;
    BoxKind kind;
    const ConditionRow* row;  // nullptr for the relay
};

// Every tagged control of the window in control order: each row's value boxes in ascending tag
// order followed by its toggles, then the click relay.
const std::vector<WindowBox>& windowBoxes();

// Whether a value box starts in the exclude colours (yellow on red): boxes of exclusion rules
// and of groups whose "包含" box starts unticked; toggles of rows with a "包含" box.
bool startsExcluded(int tag);

}  // namespace suoshui
