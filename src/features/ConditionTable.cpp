#include "features/ConditionTable.h"

#include <initializer_list>

namespace suoshui {

namespace {

using Captions = std::vector<std::string>;

Captions words(std::initializer_list<const char*> texts) {
    return Captions(texts.begin(), texts.end());
}

Captions numbersFromTo(int first, int last) {
    Captions captions;
    for (int value = first; value <= last; ++value)
        captions.push_back(std::to_string(value));
    return captions;
}

// The position rows carry 1 to 9 first and 0 on their last tag.
Captions positionDigits() {
    Captions captions = numbersFromTo(1, 9);
    captions.push_back("0");
    return captions;
}

// Every three-letter text over the letters, the units letter changing fastest.
Captions threeLetterTexts(const Captions& letters) {
    Captions captions;
    for (const auto& hundreds : letters) {
        for (const auto& tens : letters) {
            for (const auto& units : letters)
                captions.push_back(hundreds + tens + units);
        }
    }
    return captions;
}

// "01" ... "89": two different digits, the smaller first.
Captions distinctDigitPairs() {
    Captions captions;
    for (char low = '0'; low <= '9'; ++low) {
        for (char high = low + 1; high <= '9'; ++high)
            captions.push_back(std::string{low, high});
    }
    return captions;
}

Captions doubledDigits() {
    Captions captions;
    for (char digit = '0'; digit <= '9'; ++digit)
        captions.push_back(std::string(2, digit));
    return captions;
}

Captions concat(Captions head, const Captions& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

const Captions& threeWayRatios() {
    static const Captions ratios = words(
        {"3:0:0", "2:1:0", "2:0:1", "1:1:1", "1:2:0", "1:0:2", "0:3:0", "0:2:1", "0:1:2", "0:0:3"});
    return ratios;
}

const Captions& twoWayRatios() {
    static const Captions ratios = words({"3:0", "2:1", "1:2", "0:3"});
    return ratios;
}

SummaryPart basicLine(TagSpan tags, std::string_view label, int position,
                      std::string_view labelIncluded = {}) {
    return {tags, label, labelIncluded, SummarySection::Basic, position};
}

SummaryPart extendedLine(TagSpan tags, std::string_view label, int position) {
    return {tags, label, {}, SummarySection::Extended, position};
}

Stage stageOfOrder(int order) {
    return order <= 23 ? Stage::Basic : Stage::Extra;
}

ConditionGroup tested(std::string_view name, int order, TagSpan tags, Feature feature,
                      TestKind test, std::vector<SummaryPart> summary,
                      std::optional<Check> include = {}) {
    return {name, tags, order, stageOfOrder(order), feature, test, include, std::move(summary)};
}

// "和值：" names the group "和值".
std::string_view nameOfLabel(std::string_view label) {
    constexpr std::string_view kColon = "：";
    return label.substr(0, label.size() - kColon.size());
}

// A group of the basic stage with one summary line.
ConditionGroup basic(int order, TagSpan tags, Feature feature, std::string_view label, int position,
                     TestKind test = TestKind::General) {
    return tested(nameOfLabel(label), order, tags, feature, test,
                  {basicLine(tags, label, position)});
}

// A plain group of the extra stage.
ConditionGroup extraPlain(int order, TagSpan tags, Feature feature, std::string_view label,
                          int position) {
    return tested(nameOfLabel(label), order, tags, feature, TestKind::ExtraGroup,
                  {extendedLine(tags, label, position)});
}

ConditionGroup anyPair(int order, TagSpan tags, Feature feature, std::string_view label,
                       int position) {
    return tested(nameOfLabel(label), order, tags, feature, TestKind::AnyPair,
                  {extendedLine(tags, label, position)});
}

// A group the filter never tests; the summary may still list it.
ConditionGroup untested(TagSpan tags, std::vector<SummaryPart> summary = {}) {
    return {{},
            tags,
            0,
            Stage::Untested,
            Feature::None,
            TestKind::None,
            std::nullopt,
            std::move(summary)};
}

SelectAllToggleDef wholeSpanToggle(int tag, TagSpan tags) {
    return {tag, tags.first, tags.count(), {tags}};
}

// A row of one span, its toggle (0 for none) and its groups.
ConditionRow row(std::string_view name, TagSpan tags, Captions captions, int toggleTag,
                 std::vector<ConditionGroup> groups) {
    ConditionRow row;
    row.name = name;
    row.spans = {tags};
    row.captions = std::move(captions);
    if (toggleTag != 0)
        row.toggles = {wholeSpanToggle(toggleTag, tags)};
    row.groups = std::move(groups);
    // The row's "包含" box is its first group's.
    if (!row.groups.empty())
        row.include = row.groups.front().include;
    return row;
}

ConditionRow basicRow(std::string_view name, TagSpan tags, Captions captions, int toggleTag,
                      ConditionGroup group) {
    return row(name, tags, std::move(captions), toggleTag, {std::move(group)});
}

void addPositionAndDigitRows(std::vector<ConditionRow>& rows) {
    rows.push_back(basicRow("外形框2", {1, 10}, positionDigits(), 1001,
                            basic(1, {1, 10}, Feature::Hundreds, "百位：", 1)));
    rows.push_back(basicRow("外形框3", {11, 20}, positionDigits(), 1002,
                            basic(2, {11, 20}, Feature::Tens, "十位：", 2)));
    rows.push_back(basicRow("外形框4", {21, 30}, positionDigits(), 1003,
                            basic(3, {21, 30}, Feature::Units, "个位：", 3)));
    rows.push_back(
        basicRow("胆框参照", {250, 259}, numbersFromTo(0, 9), 0,
                 basic(18, {250, 259}, Feature::Candidate, "胆码：", 4, TestKind::BankerDigits)));
    rows.push_back(
        basicRow("外形框19", {240, 249}, numbersFromTo(0, 9), 0,
                 basic(17, {240, 249}, Feature::Candidate, "废码：", 5, TestKind::ExcludedDigits)));
}

void addSumRows(std::vector<ConditionRow>& rows) {
    rows.push_back(basicRow("外形框5", {31, 40}, numbersFromTo(0, 9), 1004,
                            basic(4, {31, 40}, Feature::SumTail, "和尾：", 6)));
    rows.push_back(basicRow("外形框6", {41, 50}, numbersFromTo(0, 9), 1005,
                            basic(5, {41, 50}, Feature::Span, "跨度：", 7)));
    rows.push_back(basicRow("外形框7", {51, 78}, numbersFromTo(0, 27), 1006,
                            basic(6, {51, 78}, Feature::DigitSum, "和值：", 8)));
}

void addClassRows(std::vector<ConditionRow>& rows) {
    rows.push_back(basicRow("外形框12", {79, 105}, threeLetterTexts({"0", "1", "2"}), 1007,
                            basic(7, {79, 105}, Feature::Mod3Pattern, "除三余：", 9)));
    rows.push_back(basicRow("外形框8", {167, 176}, threeWayRatios(), 1008,
                            basic(8, {167, 176}, Feature::Mod3Ratio, "除三余比：", 10)));
    rows.push_back(basicRow("外形框1", {106, 132}, threeLetterTexts({"小", "中", "大"}), 1009,
                            basic(9, {106, 132}, Feature::Size3Pattern, "大中小：", 11)));
    rows.push_back(basicRow("外形框13", {157, 166}, threeWayRatios(), 1010,
                            basic(10, {157, 166}, Feature::Size3Ratio, "大中小比：", 12)));
    rows.push_back(basicRow(
        "外形框14", {133, 140},
        words({"奇奇奇", "奇奇偶", "奇偶奇", "奇偶偶", "偶偶偶", "偶偶奇", "偶奇偶", "偶奇奇"}),
        1011, basic(11, {133, 140}, Feature::ParityPattern, "奇偶形态：", 13)));
    rows.push_back(basicRow("奇偶比框", {228, 231}, twoWayRatios(), 1014,
                            basic(14, {228, 231}, Feature::ParityRatio, "奇偶比：", 16)));
    rows.push_back(basicRow(
        "外形框15", {141, 148},
        words({"小小小", "小小大", "小大小", "小大大", "大小小", "大小大", "大大小", "大大大"}),
        1012, basic(12, {141, 148}, Feature::SizePattern, "大小形态：", 14)));
    rows.push_back(basicRow("外形框17", {232, 235}, twoWayRatios(), 1015,
                            basic(15, {232, 235}, Feature::SizeRatio, "大小比：", 17)));
    rows.push_back(basicRow(
        "外形框11", {149, 156},
        words({"质质质", "质质合", "质合质", "质合合", "合质质", "合质合", "合合质", "合合合"}),
        1013, basic(13, {149, 156}, Feature::PrimePattern, "质合形态：", 15)));
    rows.push_back(basicRow("外形框18", {236, 239}, twoWayRatios(), 1016,
                            basic(16, {236, 239}, Feature::PrimeRatio, "质合比：", 18)));
}

// "连  号" also carries a stray "4" box with tag 226; being earlier in the window than the
// "重复号" row, it is the box that tag 226 finds.
ConditionRow consecutiveRow() {
    constexpr TagSpan kinds{222, 224};
    ConditionRow consecutive = basicRow("外形框46", kinds, words({"无连", "连号", "三连", "4"}), 0,
                                        basic(20, kinds, Feature::ConsecutiveKind, "连号：", 19));
    consecutive.spans.push_back({226, 226});
    consecutive.relaysClicks = false;
    return consecutive;
}

// "外形框10": the two-digit pairs with the group-three trait boxes, then the two group-three
// digit rows that sit inside it.
void addPairRows(std::vector<ConditionRow>& rows) {
    constexpr TagSpan pairs{177, 221};
    constexpr TagSpan trait{316, 317};
    constexpr TagSpan pairDigits{260, 269};
    constexpr TagSpan singleDigits{270, 279};

    ConditionRow pairRow =
        basicRow("外形框10", pairs, concat(distinctDigitPairs(), words({"单号大", "复号大"})), 0,
                 tested("二码", 19, pairs, Feature::Candidate, TestKind::DigitPairs,
                        {basicLine(pairs, "排除二码：", 20, "包含二码：")}, Check::IncludePairs));
    pairRow.spans.push_back(trait);
    pairRow.toggles = {{1017, pairs.first, pairs.count(), {pairs, pairDigits}}};
    pairRow.groups.push_back(tested("组三特征", 23, trait, Feature::GroupThreeTrait,
                                    TestKind::GroupThreeTrait,
                                    {extendedLine(trait, "组三特征：", 25)}));
    rows.push_back(std::move(pairRow));

    ConditionRow pairDigitRow = basicRow(
        "外形框22", pairDigits, doubledDigits(), 0,
        tested("组三对码", 21, pairDigits, Feature::PairDigitTwice, TestKind::PairDigitGroup,
               {basicLine(pairDigits, "排除组三对码：", 21, "包含组三对码：")},
               Check::IncludePairDigit));
    rows.push_back(std::move(pairDigitRow));

    ConditionRow singleDigitRow = basicRow(
        "外形框23", singleDigits, numbersFromTo(0, 9), 0,
        tested("组三单码", 22, singleDigits, Feature::SingleDigit, TestKind::SingleDigitGroup,
               {basicLine(singleDigits, "排除组三单码：", 22, "包含组三单码：")},
               Check::IncludeSingleDigit));
    rows.push_back(std::move(singleDigitRow));
}

void addExtraPairRows(std::vector<ConditionRow>& rows) {
    struct PairRowDef {
        std::string_view name;
        TagSpan tags;
        int last;  // the largest caption
        int toggle;
        int order;
        Feature feature;
        std::string_view label;
        int position;
    };
    static constexpr PairRowDef kRows[] = {
        {"外形框36", {399, 417}, 18, 1025, 35, Feature::PairSumHundredsTens, "百十位和：", 8},
        {"外形框35", {418, 436}, 18, 1026, 36, Feature::PairSumTensUnits, "十个位和：", 9},
        {"外形框20", {437, 455}, 18, 1027, 37, Feature::PairSumHundredsUnits, "百个位和：", 10},
        {"外形框28", {339, 348}, 9, 1018, 29, Feature::PairSumTailHundredsTens, "百十合：", 1},
        {"外形框29", {349, 358}, 9, 1019, 30, Feature::PairSumTailTensUnits, "十个合：", 2},
        {"外形框30", {359, 368}, 9, 1020, 31, Feature::PairSumTailHundredsUnits, "百个合：", 3},
        {"外形框33", {369, 378}, 9, 1021, 32, Feature::PairDifferenceHundredsTens, "百十差：", 4},
        {"外形框32", {379, 388}, 9, 1022, 33, Feature::PairDifferenceTensUnits, "十个差：", 5},
        {"外形框31", {389, 398}, 9, 1023, 34, Feature::PairDifferenceHundredsUnits, "百个差：", 6},
        {"外形框26", {329, 338}, 9, 1024, 28, Feature::Spread, "散度：", 7},
    };
    for (const PairRowDef& def : kRows) {
        rows.push_back(
            basicRow(def.name, def.tags, numbersFromTo(0, def.last), def.toggle,
                     extraPlain(def.order, def.tags, def.feature, def.label, def.position)));
    }
}

// "高中低": one group tested as a whole, summarised as the "组六" and "组三" lines, with a
// toggle for each half.
ConditionRow highLowShapeRow() {
    constexpr TagSpan shapes{301, 312};
    constexpr TagSpan sixShapes{301, 306};
    constexpr TagSpan threeShapes{307, 312};
    ConditionRow shapeRow =
        basicRow("外形框24", shapes,
                 words({"高中低", "高低中", "中高低", "中低高", "低高中", "低中高", "高高低",
                        "高低高", "低高高", "低低高", "低高低", "高低低"}),
                 0,
                 tested("高低形态", 24, shapes, Feature::HighLowShape, TestKind::HighLowShape,
                        {extendedLine(sixShapes, "组六高低形态：", 11),
                         extendedLine(threeShapes, "组三高低形态：", 12)}));
    shapeRow.toggles = {wholeSpanToggle(1028, sixShapes), wholeSpanToggle(1029, threeShapes)};
    return shapeRow;
}

void addExtraAnyRows(std::vector<ConditionRow>& rows) {
    rows.push_back(basicRow("外形框37", {492, 501}, numbersFromTo(0, 9), 1036,
                            anyPair(38, {492, 501}, Feature::AnyPairSumTail, "任意合：", 22)));
    rows.push_back(basicRow("外形框44", {502, 511}, numbersFromTo(0, 9), 1037,
                            anyPair(39, {502, 511}, Feature::AnyPairDifference, "任意差：", 23)));
    rows.push_back(basicRow("外形框45", {512, 530}, numbersFromTo(0, 18), 1038,
                            anyPair(40, {512, 530}, Feature::AnyPairSum, "任意位和：", 24)));
}

ConditionRow consecutiveShapeRow() {
    constexpr TagSpan positions{318, 320};
    constexpr TagSpan parities{321, 322};
    constexpr TagSpan highLows{323, 324};
    return row("外形框9", {318, 324},
               words({"百十", "十个", "百个", "奇偶", "偶奇", "高低", "低高"}), 0,
               {extraPlain(25, positions, Feature::ConsecutivePosition, "连号定位：", 13),
                extraPlain(26, parities, Feature::ConsecutiveParity, "连号奇偶：", 14),
                extraPlain(27, highLows, Feature::ConsecutiveHighLow, "连号高低：", 15)});
}

// Rows of the never-shown panel: listed by the summary, never tested.
ConditionRow hiddenRow(std::string_view name, TagSpan tags, Captions captions, int toggleTag,
                       std::string_view summaryLabel, int position) {
    return row(name, tags, std::move(captions), toggleTag,
               {untested(tags, {extendedLine(tags, summaryLabel, position)})});
}

void addHiddenRows(std::vector<ConditionRow>& rows) {
    rows.push_back(hiddenRow(
        "外形框38", {456, 463},
        words({"笑笑笑", "笑笑咪", "笑咪笑", "笑眯眯", "咪笑笑", "咪笑咪", "咪咪笑", "咪咪咪"}),
        1030, "笑咪形态：", 16));
    rows.push_back(hiddenRow(
        "外形框39", {464, 471},
        words({"乐乐乐", "乐乐呵", "乐呵乐", "乐呵呵", "呵乐乐", "呵乐呵", "呵呵乐", "呵呵呵"}),
        1031, "乐呵形态：", 17));
    rows.push_back(hiddenRow(
        "外形框40", {472, 479},
        words({"顺顺顺", "顺顺利", "顺利顺", "顺利利", "利顺顺", "利顺利", "利利顺", "利利利"}),
        1032, "顺利形态：", 18));
    rows.push_back(hiddenRow("外形框41", {480, 483}, twoWayRatios(), 1033, "笑咪比：", 19));
    rows.push_back(hiddenRow("外形框42", {484, 487}, twoWayRatios(), 1034, "乐呵比：", 20));
    rows.push_back(hiddenRow("外形框43", {488, 491}, twoWayRatios(), 1035, "顺利比：", 21));

    // "和9差5": present only so that its tags exist.
    constexpr TagSpan positions{313, 315};
    constexpr TagSpan marks{325, 328};
    ConditionRow sumNine =
        row("外形框27", positions, words({"百位", "十位", "个位", "无", "有", "和9", "差5"}), 0,
            {untested(positions), untested(marks)});
    sumNine.spans.push_back(marks);
    rows.push_back(std::move(sumNine));
}

// "重复号" comes after everything else in control order and never shows.
ConditionRow repeatRow() {
    constexpr TagSpan repeats{225, 227};
    ConditionRow repeat =
        row("外形框34", repeats, words({"无重", "一重", "二重"}), 0, {untested(repeats)});
    repeat.relaysClicks = false;
    return repeat;
}

std::vector<ConditionRow> buildRows() {
    std::vector<ConditionRow> rows;
    addPositionAndDigitRows(rows);
    addSumRows(rows);
    addClassRows(rows);
    rows.push_back(consecutiveRow());
    addPairRows(rows);
    addExtraPairRows(rows);
    rows.push_back(highLowShapeRow());
    addExtraAnyRows(rows);
    rows.push_back(consecutiveShapeRow());
    addHiddenRows(rows);
    rows.push_back(repeatRow());
    return rows;
}

}  // namespace

std::string_view ConditionRow::captionOf(int tag) const {
    const int index = indexOf(tag);
    return index < 0 ? std::string_view() : captions.at(static_cast<std::size_t>(index));
}

int ConditionRow::indexOf(int tag) const {
    int index = 0;
    for (const TagSpan& span : spans) {
        if (span.contains(tag))
            return index + tag - span.first;
        index += span.count();
    }
    return -1;
}

std::vector<int> ConditionRow::tags() const {
    std::vector<int> all;
    for (const TagSpan& span : spans) {
        for (int tag = span.first; tag <= span.last; ++tag)
            all.push_back(tag);
    }
    return all;
}

const std::vector<ConditionRow>& conditionRows() {
    static const std::vector<ConditionRow> rows = buildRows();
    return rows;
}

}  // namespace suoshui
