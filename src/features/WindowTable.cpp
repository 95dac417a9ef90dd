#include "features/WindowTable.h"

#include <initializer_list>

namespace suoshui {

namespace {

using Captions = std::vector<std::string>;

constexpr int kRowWidth = 477;
constexpr int kSubFrameWidth = 468;

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

ConditionGroupDef tested(int order, TagSpan tags, Feature feature, Test test,
                         std::vector<SummaryPart> summary, std::optional<Check> include = {}) {
    return {tags, order, stageOfOrder(order), feature, test, include, std::move(summary)};
}

// A group of the basic stage that the standard rule decides and one summary line lists.
ConditionGroupDef standard(int order, TagSpan tags, Feature feature, std::string_view label,
                           int position) {
    return tested(order, tags, feature, Test::MatchGroup, {basicLine(tags, label, position)});
}

// A plain group of the extra stage.
ConditionGroupDef extraPlain(int order, TagSpan tags, Feature feature, std::string_view label,
                             int position) {
    return tested(order, tags, feature, Test::ExtraGroup, {extendedLine(tags, label, position)});
}

ConditionGroupDef anyPair(int order, TagSpan tags, Feature feature, std::string_view label,
                          int position) {
    return tested(order, tags, feature, Test::AnyPair, {extendedLine(tags, label, position)});
}

// A group the filter never tests; the summary may still list it.
ConditionGroupDef untested(TagSpan tags, std::vector<SummaryPart> summary = {}) {
    return {tags, 0, Stage::Untested, Feature::None, Test::None, std::nullopt, std::move(summary)};
}

SelectAllToggleDef wholeRowToggle(int tag, TagSpan tags) {
    return {tag, tags.first, tags.count(), {tags}};
}

// A plain row: one span, one label, its toggle (0 for none) and its groups.
WindowRow plainRow(std::string_view frame, Container container, std::string_view label, int top,
                   int height, TagSpan tags, Captions captions, int toggleTag,
                   std::vector<ConditionGroupDef> groups) {
    WindowRow row;
    row.frame = frame;
    row.container = container;
    row.labels = {RowLabel{label}};
    row.top = top;
    row.width = kRowWidth;
    row.height = height;
    row.spans = {tags};
    row.captions = std::move(captions);
    if (toggleTag != 0)
        row.toggles = {wholeRowToggle(toggleTag, tags)};
    row.groups = std::move(groups);
    return row;
}

WindowRow basicRow(std::string_view frame, std::string_view label, int top, int height,
                   TagSpan tags, Captions captions, int toggleTag, ConditionGroupDef group) {
    return plainRow(frame, Container::ConditionFrame, label, top, height, tags, std::move(captions),
                    toggleTag, {std::move(group)});
}

// The position rows show their "0" box first.
WindowRow positionRow(std::string_view frame, std::string_view label, int top, TagSpan tags,
                      int toggleTag, ConditionGroupDef group) {
    WindowRow row =
        basicRow(frame, label, top, 24, tags, positionDigits(), toggleTag, std::move(group));
    DisplayLine line;
    line.tags.push_back(tags.last);
    for (int tag = tags.first; tag < tags.last; ++tag)
        line.tags.push_back(tag);
    row.displayLines = {line};
    return row;
}

// A pattern row of eight boxes shown in two lines of four; `lines` are offsets from the first
// tag.
WindowRow patternRow(std::string_view frame, std::string_view label, int top, int height,
                     TagSpan tags, Captions captions, int toggleTag, ConditionGroupDef group,
                     std::initializer_list<std::initializer_list<int>> lines) {
    WindowRow row =
        basicRow(frame, label, top, height, tags, std::move(captions), toggleTag, std::move(group));
    for (const auto& offsets : lines) {
        DisplayLine line;
        for (int offset : offsets)
            line.tags.push_back(tags.first + offset);
        row.displayLines.push_back(line);
    }
    return row;
}

void addConditionFramePositionRows(std::vector<WindowRow>& rows) {
    rows.push_back(positionRow("外形框2", "百位", 0, {1, 10}, 1001,
                               standard(1, {1, 10}, Feature::Hundreds, "百位：", 1)));
    rows.push_back(positionRow("外形框3", "十位", 22, {11, 20}, 1002,
                               standard(2, {11, 20}, Feature::Tens, "十位：", 2)));
    rows.push_back(positionRow("外形框4", "个位", 44, {21, 30}, 1003,
                               standard(3, {21, 30}, Feature::Units, "个位：", 3)));
    rows.push_back(basicRow("胆框参照", "胆码", 66, 24, {250, 259}, numbersFromTo(0, 9), 0,
                            standard(18, {250, 259}, Feature::Candidate, "胆码：", 4)));
    rows.push_back(basicRow("外形框19", "废码", 88, 24, {240, 249}, numbersFromTo(0, 9), 0,
                            standard(17, {240, 249}, Feature::Candidate, "废码：", 5)));
}

void addConditionFrameSumRows(std::vector<WindowRow>& rows) {
    rows.push_back(basicRow("外形框5", "和尾", 110, 24, {31, 40}, numbersFromTo(0, 9), 1004,
                            standard(4, {31, 40}, Feature::SumTail, "和尾：", 6)));
    rows.push_back(basicRow("外形框6", "跨度", 132, 24, {41, 50}, numbersFromTo(0, 9), 1005,
                            standard(5, {41, 50}, Feature::Span, "跨度：", 7)));
    rows.push_back(basicRow("外形框7", "和值", 154, 50, {51, 78}, numbersFromTo(0, 27), 1006,
                            standard(6, {51, 78}, Feature::DigitSum, "和值：", 8)));
}

void addConditionFrameClassRows(std::vector<WindowRow>& rows) {
    rows.push_back(basicRow("外形框12", "除三余", 202, 81, {79, 105},
                            threeLetterTexts({"0", "1", "2"}), 1007,
                            standard(7, {79, 105}, Feature::Mod3Pattern, "除三余：", 9)));
    rows.push_back(basicRow("外形框8", "除三余比", 281, 39, {167, 176}, threeWayRatios(), 1008,
                            standard(8, {167, 176}, Feature::Mod3Ratio, "除三余比：", 10)));
    rows.push_back(basicRow("外形框1", "大中小", 318, 82, {106, 132},
                            threeLetterTexts({"小", "中", "大"}), 1009,
                            standard(9, {106, 132}, Feature::Size3Pattern, "大中小：", 11)));
    rows.push_back(basicRow("外形框13", "大中小比", 398, 39, {157, 166}, threeWayRatios(), 1010,
                            standard(10, {157, 166}, Feature::Size3Ratio, "大中小比：", 12)));
    rows.push_back(patternRow(
        "外形框14", "奇偶形态", 435, 39, {133, 140},
        words({"奇奇奇", "奇奇偶", "奇偶奇", "奇偶偶", "偶偶偶", "偶偶奇", "偶奇偶", "偶奇奇"}),
        1011, standard(11, {133, 140}, Feature::ParityPattern, "奇偶形态：", 13),
        {{0, 1, 2, 7}, {4, 5, 6, 3}}));
    rows.push_back(basicRow("奇偶比框", "奇偶比", 472, 21, {228, 231}, twoWayRatios(), 1014,
                            standard(14, {228, 231}, Feature::ParityRatio, "奇偶比：", 16)));
    rows.push_back(patternRow(
        "外形框15", "大小形态", 491, 39, {141, 148},
        words({"小小小", "小小大", "小大小", "小大大", "大小小", "大小大", "大大小", "大大大"}),
        1012, standard(12, {141, 148}, Feature::SizePattern, "大小形态：", 14),
        {{7, 6, 5, 3}, {0, 2, 1, 4}}));
    rows.push_back(basicRow("外形框17", "大小比", 528, 21, {232, 235}, twoWayRatios(), 1015,
                            standard(15, {232, 235}, Feature::SizeRatio, "大小比：", 17)));
    rows.push_back(patternRow(
        "外形框11", "质合形态", 547, 40, {149, 156},
        words({"质质质", "质质合", "质合质", "质合合", "合质质", "合质合", "合合质", "合合合"}),
        1013, standard(13, {149, 156}, Feature::PrimePattern, "质合形态：", 15),
        {{0, 1, 2, 4}, {7, 5, 6, 3}}));
    rows.push_back(basicRow("外形框18", "质合比", 585, 21, {236, 239}, twoWayRatios(), 1016,
                            standard(16, {236, 239}, Feature::PrimeRatio, "质合比：", 18)));
}

// "连  号" also carries a stray "4" box with tag 226 above its visible area; being earlier in
// the window than the "重复号" row, it is the box that tag 226 finds.
WindowRow consecutiveRow() {
    constexpr TagSpan kinds{222, 224};
    constexpr TagSpan stray{226, 226};
    WindowRow row =
        basicRow("外形框46", "连  号", 604, 21, kinds, words({"无连", "连号", "三连", "4"}), 0,
                 standard(20, kinds, Feature::ConsecutiveKind, "连号：", 19));
    row.spans.push_back(stray);
    row.offsetBoxes = {{stray.first, -31}};
    return row;
}

// "外形框10": the two-digit pairs, the group-three trait boxes and the two digit sub-frames.
void addPairsFrameRows(std::vector<WindowRow>& rows) {
    constexpr TagSpan pairs{177, 221};
    constexpr TagSpan trait{316, 317};
    constexpr TagSpan pairDigits{260, 269};
    constexpr TagSpan singleDigits{270, 279};

    WindowRow frame =
        basicRow("外形框10", "二  码", 623, 121, pairs,
                 concat(distinctDigitPairs(), words({"单号大", "复号大"})), 0,
                 tested(19, pairs, Feature::Candidate, Test::MatchGroup,
                        {basicLine(pairs, "排除二码：", 20, "包含二码：")}, Check::IncludePairs));
    frame.labels.push_back({"组三特征", 4, 60});
    frame.spans.push_back(trait);
    frame.toggles = {{1017, pairs.first, pairs.count(), {pairs, pairDigits}}};
    frame.include = IncludeOptionDef{Check::IncludePairs, 291, 42};
    frame.groups.push_back(tested(23, trait, Feature::GroupThreeTrait, Test::GroupThreeTrait,
                                  {extendedLine(trait, "组三特征：", 25)}));
    rows.push_back(std::move(frame));

    WindowRow pairRow;
    pairRow.frame = "外形框22";
    pairRow.container = Container::PairsFrame;
    pairRow.parentFrame = "外形框10";
    pairRow.left = 4;
    pairRow.top = 76;
    pairRow.width = kSubFrameWidth;
    pairRow.height = 18;
    pairRow.spans = {pairDigits};
    pairRow.captions = doubledDigits();
    pairRow.include = IncludeOptionDef{Check::IncludePairDigit, 289, 0};
    pairRow.groups = {tested(21, pairDigits, Feature::PairDigitTwice, Test::PairDigitGroup,
                             {basicLine(pairDigits, "排除组三对码：", 21, "包含组三对码：")},
                             Check::IncludePairDigit)};
    rows.push_back(pairRow);

    WindowRow singleRow = pairRow;
    singleRow.frame = "外形框23";
    singleRow.left = 5;
    singleRow.top = 96;
    singleRow.spans = {singleDigits};
    singleRow.captions = numbersFromTo(0, 9);
    singleRow.include = IncludeOptionDef{Check::IncludeSingleDigit, 289, 0};
    singleRow.groups = {tested(22, singleDigits, Feature::SingleDigit, Test::SingleDigitGroup,
                               {basicLine(singleDigits, "排除组三单码：", 22, "包含组三单码：")},
                               Check::IncludeSingleDigit)};
    rows.push_back(std::move(singleRow));
}

WindowRow extraRow(std::string_view frame, std::string_view label, int top, int height,
                   TagSpan tags, Captions captions, int toggleTag, ConditionGroupDef group) {
    return plainRow(frame, Container::ExtraPanel, label, top, height, tags, std::move(captions),
                    toggleTag, {std::move(group)});
}

void addExtraPanelPairRows(std::vector<WindowRow>& rows) {
    rows.push_back(
        extraRow("外形框36", "百十位和", 0, 40, {399, 417}, numbersFromTo(0, 18), 1025,
                 extraPlain(35, {399, 417}, Feature::PairSumHundredsTens, "百十位和：", 8)));
    rows.push_back(
        extraRow("外形框35", "十个位和", 38, 40, {418, 436}, numbersFromTo(0, 18), 1026,
                 extraPlain(36, {418, 436}, Feature::PairSumTensUnits, "十个位和：", 9)));
    rows.push_back(
        extraRow("外形框20", "百个位和", 76, 40, {437, 455}, numbersFromTo(0, 18), 1027,
                 extraPlain(37, {437, 455}, Feature::PairSumHundredsUnits, "百个位和：", 10)));
    rows.push_back(
        extraRow("外形框28", "百十合", 114, 23, {339, 348}, numbersFromTo(0, 9), 1018,
                 extraPlain(29, {339, 348}, Feature::PairSumTailHundredsTens, "百十合：", 1)));
    rows.push_back(
        extraRow("外形框29", "十个合", 134, 23, {349, 358}, numbersFromTo(0, 9), 1019,
                 extraPlain(30, {349, 358}, Feature::PairSumTailTensUnits, "十个合：", 2)));
    rows.push_back(
        extraRow("外形框30", "百个合", 155, 23, {359, 368}, numbersFromTo(0, 9), 1020,
                 extraPlain(31, {359, 368}, Feature::PairSumTailHundredsUnits, "百个合：", 3)));
    rows.push_back(
        extraRow("外形框33", "百十差", 176, 23, {369, 378}, numbersFromTo(0, 9), 1021,
                 extraPlain(32, {369, 378}, Feature::PairDifferenceHundredsTens, "百十差：", 4)));
    rows.push_back(
        extraRow("外形框32", "十个差", 197, 23, {379, 388}, numbersFromTo(0, 9), 1022,
                 extraPlain(33, {379, 388}, Feature::PairDifferenceTensUnits, "十个差：", 5)));
    rows.push_back(
        extraRow("外形框31", "百个差", 218, 23, {389, 398}, numbersFromTo(0, 9), 1023,
                 extraPlain(34, {389, 398}, Feature::PairDifferenceHundredsUnits, "百个差：", 6)));
    rows.push_back(extraRow("外形框26", "散 度", 239, 23, {329, 338}, numbersFromTo(0, 9), 1024,
                            extraPlain(28, {329, 338}, Feature::Spread, "散度：", 7)));
}

// "高中低": one group tested as a whole, shown and summarised as the "组六" and "组三" lines.
WindowRow highLowShapeRow() {
    constexpr TagSpan shapes{301, 312};
    constexpr TagSpan sixShapes{301, 306};
    constexpr TagSpan threeShapes{307, 312};
    WindowRow row = extraRow("外形框24", "高中低", 260, 90, shapes,
                             words({"高中低", "高低中", "中高低", "中低高", "低高中", "低中高",
                                    "高高低", "高低高", "低高高", "低低高", "低高低", "高低低"}),
                             0,
                             tested(24, shapes, Feature::HighLowShape, Test::HighLowShape,
                                    {extendedLine(sixShapes, "组六高低形态：", 11),
                                     extendedLine(threeShapes, "组三高低形态：", 12)}));
    row.toggles = {wholeRowToggle(1028, sixShapes), wholeRowToggle(1029, threeShapes)};
    row.displayLines = {{"组六", {301, 302, 303, 304, 306, 305}, 1028},
                        {"组三", {309, 312, 311, 308, 310, 307}, 1029}};
    return row;
}

void addExtraPanelAnyRows(std::vector<WindowRow>& rows) {
    rows.push_back(extraRow("外形框37", "任意合", 328, 23, {492, 501}, numbersFromTo(0, 9), 1036,
                            anyPair(38, {492, 501}, Feature::AnyPairSumTail, "任意合：", 22)));
    rows.push_back(extraRow("外形框44", "任意差", 349, 23, {502, 511}, numbersFromTo(0, 9), 1037,
                            anyPair(39, {502, 511}, Feature::AnyPairDifference, "任意差：", 23)));
    rows.push_back(extraRow("外形框45", "任意位和", 370, 45, {512, 530}, numbersFromTo(0, 18), 1038,
                            anyPair(40, {512, 530}, Feature::AnyPairSum, "任意位和：", 24)));
}

WindowRow consecutiveShapeRow() {
    constexpr TagSpan positions{318, 320};
    constexpr TagSpan parities{321, 322};
    constexpr TagSpan highLows{323, 324};
    WindowRow row =
        plainRow("外形框9", Container::ExtraPanel, "连 号", 413, 26, {318, 324},
                 words({"百十", "十个", "百个", "奇偶", "偶奇", "高低", "低高"}), 0,
                 {extraPlain(25, positions, Feature::ConsecutivePosition, "连号定位：", 13),
                  extraPlain(26, parities, Feature::ConsecutiveParity, "连号奇偶：", 14),
                  extraPlain(27, highLows, Feature::ConsecutiveHighLow, "连号高低：", 15)});
    row.labels.push_back({"形态", 8, 14});
    return row;
}

WindowRow hiddenRow(std::string_view frame, std::string_view label, int top, int height,
                    TagSpan tags, Captions captions, int toggleTag, std::string_view summaryLabel,
                    int position) {
    WindowRow row =
        plainRow(frame, Container::HiddenPanel, label, top, height, tags, std::move(captions),
                 toggleTag, {untested(tags, {extendedLine(tags, summaryLabel, position)})});
    row.shown = false;
    return row;
}

void addHiddenPanelRows(std::vector<WindowRow>& rows) {
    rows.push_back(hiddenRow(
        "外形框38", "笑咪", 0, 37, {456, 463},
        words({"笑笑笑", "笑笑咪", "笑咪笑", "笑眯眯", "咪笑笑", "咪笑咪", "咪咪笑", "咪咪咪"}),
        1030, "笑咪形态：", 16));
    rows.push_back(hiddenRow(
        "外形框39", "乐呵", 35, 37, {464, 471},
        words({"乐乐乐", "乐乐呵", "乐呵乐", "乐呵呵", "呵乐乐", "呵乐呵", "呵呵乐", "呵呵呵"}),
        1031, "乐呵形态：", 17));
    rows.push_back(hiddenRow(
        "外形框40", "顺利", 70, 37, {472, 479},
        words({"顺顺顺", "顺顺利", "顺利顺", "顺利利", "利顺顺", "利顺利", "利利顺", "利利利"}),
        1032, "顺利形态：", 18));
    rows.push_back(
        hiddenRow("外形框41", "笑咪比", 105, 21, {480, 483}, twoWayRatios(), 1033, "笑咪比：", 19));
    rows.push_back(
        hiddenRow("外形框42", "乐呵比", 124, 21, {484, 487}, twoWayRatios(), 1034, "乐呵比：", 20));
    rows.push_back(
        hiddenRow("外形框43", "顺利比", 143, 21, {488, 491}, twoWayRatios(), 1035, "顺利比：", 21));

    // "和9差5": present only so that its tags exist; even its boxes are invisible.
    constexpr TagSpan positions{313, 315};
    constexpr TagSpan marks{325, 328};
    WindowRow sumNine = plainRow("外形框27", Container::HiddenPanel, "和9差5", 162, 38, positions,
                                 words({"百位", "十位", "个位", "无", "有", "和9", "差5"}), 0,
                                 {untested(positions), untested(marks)});
    sumNine.spans.push_back(marks);
    sumNine.shown = false;
    sumNine.boxesVisible = false;
    rows.push_back(std::move(sumNine));
}

// "重复号" sits on the window itself, never shown, after everything else in control order.
WindowRow repeatRow() {
    constexpr TagSpan repeats{225, 227};
    WindowRow row = plainRow("外形框34", Container::RepeatRow, "重复号", 275, 21, repeats,
                             words({"无重", "一重", "二重"}), 0, {untested(repeats)});
    row.left = 532;
    row.width = 189;
    row.shown = false;
    return row;
}

std::vector<WindowRow> buildRows() {
    std::vector<WindowRow> rows;
    addConditionFramePositionRows(rows);
    addConditionFrameSumRows(rows);
    addConditionFrameClassRows(rows);
    rows.push_back(consecutiveRow());
    addPairsFrameRows(rows);
    addExtraPanelPairRows(rows);
    rows.push_back(highLowShapeRow());
    addExtraPanelAnyRows(rows);
    rows.push_back(consecutiveShapeRow());
    addHiddenPanelRows(rows);
    rows.push_back(repeatRow());
    return rows;
}

}  // namespace

std::string_view WindowRow::captionOf(int tag) const {
    std::size_t index = 0;
    for (const TagSpan& span : spans) {
        if (span.contains(tag))
            return captions.at(index + static_cast<std::size_t>(tag - span.first));
        index += static_cast<std::size_t>(span.count());
    }
    return {};
}

const std::vector<ContainerFrame>& containerFrames() {
    static const std::vector<ContainerFrame> frames = {
        {Container::ConditionFrame, "条件框", 12, 129, 499, 1220, true},
        {Container::ExtraPanel, "银选面板", 0, 780, 487, 450, true},
        {Container::HiddenPanel, "银选面板2", 747, 233, 25, 211, false},
    };
    return frames;
}

const std::vector<WindowRow>& windowRows() {
    static const std::vector<WindowRow> rows = buildRows();
    return rows;
}

}  // namespace suoshui
