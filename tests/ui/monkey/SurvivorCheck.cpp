#include "monkey/SurvivorCheck.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <algorithm>
#include <array>
#include <map>
#include <set>
#include <tuple>

using namespace Qt::StringLiterals;

// The rules of the player's manual, written out here on their own so that the random player
// checks the program's conditions instead of repeating them.

namespace suoshui::monkey {

namespace {

// ---- A number's values ----

// The kinds as bits, so that a condition can name the kinds it judges.
enum Kind { kTriple = 1, kGroupThree = 2, kGroupSix = 4 };  // "豹子", "组三", "组六"

// A number of three ASCII digits, taken apart by position and in ascending order.
struct Digits {
    explicit Digits(std::string_view number)
        : text(number), hundreds(number[0] - '0'), tens(number[1] - '0'), units(number[2] - '0') {
        sorted = at();
        std::sort(sorted.begin(), sorted.end());
    }
    std::array<int, 3> at() const { return {hundreds, tens, units}; }
    int sum() const { return hundreds + tens + units; }
    Kind kind() const {
        if (sorted[0] == sorted[2])
            return kTriple;
        return sorted[1] == sorted[0] || sorted[1] == sorted[2] ? kGroupThree : kGroupSix;
    }
    // The repeated and the lone digit of a "组三" number, whose middle ascending digit is the
    // repeated one; both 0 for the other kinds.
    int repeated() const { return kind() == kGroupThree ? sorted[1] : 0; }
    int lone() const { return kind() == kGroupThree ? sum() - 2 * sorted[1] : 0; }

    std::string text;
    int hundreds, tens, units;
    std::array<int, 3> sorted{};
};

using Values = std::vector<std::string>;  // one per pair of positions for "任意", else one

Values one(int value) {
    return {std::to_string(value)};
}

// Each digit's class, as an index into the letters; a ratio counts the classes in letter order.
struct DigitClasses {
    std::array<const char*, 3> letters;
    int count;
    const char* classOfDigit;

    std::size_t classIndex(int digit) const {
        return static_cast<std::size_t>(classOfDigit[digit] - '0');
    }

    std::string letterOf(int digit) const { return letters[classIndex(digit)]; }
    Values pattern(const Digits& d) const {
        return {letterOf(d.hundreds) + letterOf(d.tens) + letterOf(d.units)};
    }
    Values ratio(const Digits& d) const {
        std::array<int, 3> counts{};
        for (int digit : d.at())
            ++counts[classIndex(digit)];
        const std::string ratio = std::to_string(counts[0]) + ":" + std::to_string(counts[1]);
        return {count == 2 ? ratio : ratio + ":" + std::to_string(counts[2])};
    }
};
constexpr DigitClasses kParity{{"奇", "偶"}, 2, "1010101010"};
constexpr DigitClasses kSize{{"大", "小"}, 2, "1111100000"};
constexpr DigitClasses kSize3{{"大", "中", "小"}, 3, "2221111000"};
constexpr DigitClasses kPrime{{"质", "合"}, 2, "1000101011"};  // 1 counts as prime, 0 does not
constexpr DigitClasses kRemainder{{"0", "1", "2"}, 3, "0120120120"};

constexpr auto sumTail = [](int a, int b) { return (a + b) % 10; };
constexpr auto difference = [](int a, int b) { return std::abs(a - b); };
constexpr auto sum = [](int a, int b) { return a + b; };

Values anyPair(const Digits& d, int (*value)(int, int)) {
    return {std::to_string(value(d.hundreds, d.tens)), std::to_string(value(d.tens, d.units)),
            std::to_string(value(d.hundreds, d.units))};
}

// Neighbours on the circle of digits, where 9 and 0 meet.
bool adjacent(int a, int b) {
    return std::abs(a - b) == 1 || std::abs(a - b) == 9;
}

// Three different digits in a row on the circle make two neighbouring pairs; a repeated digit
// can make two as well ("112"), but that is only "连号".
std::string consecutiveKind(const Digits& d) {
    const int pairs =
        adjacent(d.hundreds, d.tens) + adjacent(d.hundreds, d.units) + adjacent(d.tens, d.units);
    if (pairs >= 2 && d.kind() == kGroupSix)
        return "三连";
    return pairs > 0 ? "连号" : "无连";
}

// Where the first neighbouring pair of a "连号" number sits, its parities and its fall or rise;
// "lll" for every other number.
struct ConsecutivePair {
    std::string position = "lll";
    std::string parity = "lll";
    std::string highLow = "lll";
};

ConsecutivePair consecutivePair(const Digits& d) {
    constexpr std::tuple<const char*, std::size_t, std::size_t> kSearchOrder[] = {
        {"百十", 0, 1}, {"百个", 0, 2}, {"十个", 1, 2}};  // the higher position first
    for (const auto& [position, left, right] : kSearchOrder) {
        const int a = d.at()[left], b = d.at()[right];
        if (consecutiveKind(d) == "连号" && adjacent(a, b))
            return {position, kParity.letterOf(a) + kParity.letterOf(b), a > b ? "高低" : "低高"};
    }
    return {};
}

// Each position's rank among the digits: "高中低", "低高高", ... (no shape judges "豹子").
Values highLowShape(const Digits& d) {
    std::string shape;
    for (int digit : d.at())
        shape += digit == d.sorted[2] ? "高" : digit == d.sorted[0] ? "低" : "中";
    return {shape};
}

// ---- The conditions ----

enum class Rule {
    Equals,            // nothing ticked, or a ticked caption equals one of the values
    IncludeOrExclude,  // "包含": a ticked caption must equal the value; without it none may
    ExcludedDigits,    // "废码": no ticked digit may occur in the number
    BankerDigits,      // "胆码": a ticked digit must occur, unless none is ticked or in "胆拖"
    DigitPairs,        // "二  码": ticked pairs whose two digits both occur in the number
};

// The kinds of number a condition judges; every other number passes it. The "高中低" shapes
// judge direct numbers only.
constexpr int kEveryKind = kTriple | kGroupThree | kGroupSix;
constexpr int kDirectOnly = 8;

struct Condition {
    int order;
    int firstTag;
    int lastTag;
    Values (*values)(const Digits&);
    Rule rule = Rule::Equals;
    int judged = kEveryKind;
    const char* includeFrame = nullptr;  // the row frame holding the condition's "包含"
};

constexpr int kLastBasicOrder = 23;
constexpr int kPairsSelectAllTag = 1017;  // ticked, "二  码" lets all in or keeps all out

// "组三特征" needs no rule of its own: a "组三" number's trait is always one of the two
// captions, so ticking both lets every number through, as ticking neither does.
const Condition kConditions[] = {
    {1, 1, 10, [](const Digits& d) { return one(d.hundreds); }},
    {2, 11, 20, [](const Digits& d) { return one(d.tens); }},
    {3, 21, 30, [](const Digits& d) { return one(d.units); }},
    {4, 31, 40, [](const Digits& d) { return one(d.sum() % 10); }},
    {5, 41, 50, [](const Digits& d) { return one(d.sorted[2] - d.sorted[0]); }},
    {6, 51, 78, [](const Digits& d) { return one(d.sum()); }},
    {7, 79, 105, [](const Digits& d) { return kRemainder.pattern(d); }},
    {8, 167, 176, [](const Digits& d) { return kRemainder.ratio(d); }},
    {9, 106, 132, [](const Digits& d) { return kSize3.pattern(d); }},
    {10, 157, 166, [](const Digits& d) { return kSize3.ratio(d); }},
    {11, 133, 140, [](const Digits& d) { return kParity.pattern(d); }},
    {12, 141, 148, [](const Digits& d) { return kSize.pattern(d); }},
    {13, 149, 156, [](const Digits& d) { return kPrime.pattern(d); }},
    {14, 228, 231, [](const Digits& d) { return kParity.ratio(d); }},
    {15, 232, 235, [](const Digits& d) { return kSize.ratio(d); }},
    {16, 236, 239, [](const Digits& d) { return kPrime.ratio(d); }},
    {17, 240, 249, [](const Digits& d) { return Values{d.text}; }, Rule::ExcludedDigits},
    {18, 250, 259, [](const Digits& d) { return Values{d.text}; }, Rule::BankerDigits},
    {19, 177, 221, [](const Digits& d) { return Values{d.text}; }, Rule::DigitPairs, kEveryKind,
     "外形框10"},
    {20, 222, 224, [](const Digits& d) { return Values{consecutiveKind(d)}; }},
    {21, 260, 269,
     [](const Digits& d) { return Values{std::string(2, static_cast<char>('0' + d.repeated()))}; },
     Rule::IncludeOrExclude, kTriple | kGroupThree, "外形框22"},
    {22, 270, 279, [](const Digits& d) { return one(d.lone()); }, Rule::IncludeOrExclude,
     kTriple | kGroupThree, "外形框23"},
    {23, 316, 317,
     [](const Digits& d) { return Values{d.lone() > d.repeated() ? "单号大" : "复号大"}; },
     Rule::Equals, kGroupThree},
    {24, 301, 306, highLowShape, Rule::Equals, kGroupSix | kDirectOnly},
    {24, 307, 312, highLowShape, Rule::Equals, kGroupThree | kDirectOnly},
    {25, 318, 320, [](const Digits& d) { return Values{consecutivePair(d).position}; }},
    {26, 321, 322, [](const Digits& d) { return Values{consecutivePair(d).parity}; }},
    {27, 323, 324, [](const Digits& d) { return Values{consecutivePair(d).highLow}; }},
    {28, 329, 338, [](const Digits& d) { return one(d.sorted[1] - d.sorted[0]); }},
    {29, 339, 348, [](const Digits& d) { return one(sumTail(d.hundreds, d.tens)); }},
    {30, 349, 358, [](const Digits& d) { return one(sumTail(d.tens, d.units)); }},
    {31, 359, 368, [](const Digits& d) { return one(sumTail(d.hundreds, d.units)); }},
    {32, 369, 378, [](const Digits& d) { return one(difference(d.hundreds, d.tens)); }},
    {33, 379, 388, [](const Digits& d) { return one(difference(d.tens, d.units)); }},
    {34, 389, 398, [](const Digits& d) { return one(difference(d.hundreds, d.units)); }},
    {35, 399, 417, [](const Digits& d) { return one(sum(d.hundreds, d.tens)); }},
    {36, 418, 436, [](const Digits& d) { return one(sum(d.tens, d.units)); }},
    {37, 437, 455, [](const Digits& d) { return one(sum(d.hundreds, d.units)); }},
    {38, 492, 501, [](const Digits& d) { return anyPair(d, sumTail); }},
    {39, 502, 511, [](const Digits& d) { return anyPair(d, difference); }},
    {40, 512, 530, [](const Digits& d) { return anyPair(d, sum); }},
};

// ---- The window, as the player sees it ----

constexpr const char* kNumberTypes[] = {"直选号", "组六直选", "组三直选",
                                        "组选号", "组六组选", "组三组选"};  // group types last

struct PlayerView {
    std::map<int, std::string> tickedCaptions;  // by tag
    std::string numberType;
    std::map<std::string, bool> ticked;    // options by caption, "包含" by row frame
    std::map<std::string, QString> texts;  // text boxes by name

    bool groupType() const { return numberType == "组选号" || numberType.ends_with("组选"); }
};

template <typename Button>
bool isTicked(const QWidget& parent, const char* caption,
              Qt::FindChildOptions where = Qt::FindChildrenRecursively) {
    for (const Button* button : parent.findChildren<Button*>(QString(), where)) {
        if (button->text() == QString::fromUtf8(caption))
            return button->isChecked();
    }
    return false;
}

// The text as the program reads it: multi-line boxes end their lines with CR LF.
QString boxText(const QWidget& window, const char* name) {
    if (const auto* line = window.findChild<QLineEdit*>(QString::fromUtf8(name)))
        return line->text();
    const auto* multi = window.findChild<QPlainTextEdit*>(QString::fromUtf8(name));
    return multi ? multi->toPlainText().replace(u'\n', QStringLiteral("\r\n")) : QString();
}

PlayerView readView(const QWidget& window) {
    PlayerView view;
    std::set<int> tags;  // the first button carrying a tag is the one the program reads
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        const QVariant tag = button->property("tag");
        if (tag.typeId() == QMetaType::Int && tags.insert(tag.toInt()).second &&
            button->isChecked())
            view.tickedCaptions[tag.toInt()] = button->text().toStdString();
    }
    for (const char* type : kNumberTypes) {
        if (view.numberType.empty() && isTicked<QRadioButton>(window, type))
            view.numberType = type;
    }
    view.ticked["胆拖"] = isTicked<QRadioButton>(window, "胆拖");
    for (const char* option : {"排 除", "条件随机", "启用银选"})
        view.ticked[option] = isTicked<QCheckBox>(window, option);
    for (const char* frameName : {"外形框10", "外形框22", "外形框23"}) {
        const auto* frame = window.findChild<QWidget*>(QString::fromUtf8(frameName));
        view.ticked[frameName] =
            frame && isTicked<QCheckBox>(*frame, "包含", Qt::FindDirectChildrenOnly);
    }
    for (const char* name : {"ExcludeSetBox1", "ExcludeSetBox2", "ExcludeSetBox3", "ExcludeSetBox4",
                             "ExcludeSinglesBox", "TargetCountBox"})
        view.texts[name] = boxText(window, name);
    return view;
}

// ---- The rules ----

// Including all 45 pairs lets every number in, even one without a pair ("000").
bool passesDigitPairs(const PlayerView& view, const Condition& condition,
                      const std::vector<std::string>& ticked, std::string_view number) {
    const bool include = view.ticked.at(condition.includeFrame);
    if (view.tickedCaptions.contains(kPairsSelectAllTag))
        return include;
    const bool pairInNumber = std::any_of(ticked.begin(), ticked.end(), [&](const auto& pair) {
        return !pair.empty() && number.find(pair.front()) != number.npos &&
               number.find(pair.back()) != number.npos;
    });
    const int boxCount = condition.lastTag - condition.firstTag + 1;
    return include ? pairInNumber || static_cast<int>(ticked.size()) == boxCount : !pairInNumber;
}

bool passes(const PlayerView& view, const Condition& condition, const Digits& d) {
    if (!(condition.judged & d.kind()) || ((condition.judged & kDirectOnly) && view.groupType()))
        return true;
    std::vector<std::string> ticked;
    for (int tag = condition.firstTag; tag <= condition.lastTag; ++tag) {
        if (const auto found = view.tickedCaptions.find(tag); found != view.tickedCaptions.end())
            ticked.push_back(found->second);
    }
    const Values values = condition.values(d);
    const bool valueTicked = std::find_first_of(ticked.begin(), ticked.end(), values.begin(),
                                                values.end()) != ticked.end();
    const auto inNumber = [&](const std::string& digit) {
        return d.text.find(digit) != std::string::npos;
    };
    switch (condition.rule) {
        case Rule::Equals:
            return ticked.empty() || valueTicked;
        case Rule::IncludeOrExclude:
            return valueTicked == view.ticked.at(condition.includeFrame);
        case Rule::ExcludedDigits:
            return std::none_of(ticked.begin(), ticked.end(), inNumber);
        case Rule::BankerDigits:
            return view.ticked.at("胆拖") || ticked.empty() ||
                   std::any_of(ticked.begin(), ticked.end(), inNumber);
        case Rule::DigitPairs:
            return passesDigitPairs(view, condition, ticked, d.text);
    }
    return true;
}

// Texts are measured in GBK bytes: one for an ASCII character, two for any other.
bool longerThanThreeBytes(const QString& text) {
    qsizetype bytes = 0;
    for (const uint character : text.toUcs4())
        bytes += character < 0x80 ? 1 : 2;
    return bytes > 3;
}

// "复式排除" acts once some exclusion text is longer than three bytes; a set then removes every
// number made of its digits alone.
bool excludedBySets(const PlayerView& view, std::string_view number) {
    const auto longText = [&](const char* box) { return longerThanThreeBytes(view.texts.at(box)); };
    constexpr const char* kSets[] = {"ExcludeSetBox1", "ExcludeSetBox2", "ExcludeSetBox3",
                                     "ExcludeSetBox4"};
    if (!view.ticked.at("排 除") || !(longText("ExcludeSinglesBox") ||
                                      std::any_of(std::begin(kSets), std::end(kSets), longText)))
        return false;
    return std::any_of(std::begin(kSets), std::end(kSets), [&](const char* set) {
        return std::all_of(number.begin(), number.end(), [&](char digit) {
            return view.texts.at(set).contains(QLatin1Char(digit));
        });
    });
}

// What rejects the number: "复式排除", the order of a condition, or "" when nothing does.
std::string rejection(const PlayerView& view, const Digits& d) {
    if (excludedBySets(view, d.text))
        return "复式排除";
    for (const Condition& condition : kConditions) {
        if ((condition.order <= kLastBasicOrder || view.ticked.at("启用银选")) &&
            !passes(view, condition, d))
            return "order " + std::to_string(condition.order);
    }
    return "";
}

// ---- The survivors ----

bool isNumberText(const std::string& text) {
    return text.size() == 3 &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool ofTickedType(const PlayerView& view, Kind kind) {
    if (view.numberType.starts_with("组六"))
        return kind == kGroupSix;
    if (view.numberType.starts_with("组三"))
        return kind == kGroupThree;
    return view.numberType != "组选号" || kind != kTriple;
}

// A digit as the player may type it: ASCII or full-width ("０" to "９"); -1 for anything else.
int digitOf(QChar c) {
    if (c >= u'0' && c <= u'9')
        return c.unicode() - '0';
    if (c.unicode() >= 0xFF10 && c.unicode() <= 0xFF19)
        return c.unicode() - 0xFF10;
    return -1;
}

// "选择注数：" counts by its leading decimal number after blanks, 0 when there is none; seven
// digits are beyond any result.
long long targetCount(const QString& text) {
    long long count = 0;
    int digits = 0;
    for (qsizetype at = 0; at < text.size(); ++at) {
        const int digit = digitOf(text[at]);
        if (digit < 0 && (digits > 0 || text[at] != u' '))
            break;
        if (digit >= 0 && digits++ < 7)
            count = count * 10 + digit;
    }
    return count;
}

// The numbers the "单式排除" box removes, with "排 除" ticked: each run of digits cut into
// three-digit numbers from its left end; under the group types a number stands for its group.
std::set<std::string> excludedSingles(const PlayerView& view) {
    std::set<std::string> numbers;
    if (!view.ticked.at("排 除"))
        return numbers;
    std::string run;
    for (QChar c : QString(view.texts.at("ExcludeSinglesBox") + u' ')) {
        const int digit = digitOf(c);
        if (digit < 0) {
            run.clear();
            continue;
        }
        run.push_back(static_cast<char>('0' + digit));
        if (run.size() < 3)
            continue;
        if (view.groupType())
            std::sort(run.begin(), run.end());
        numbers.insert(run);
        run.clear();
    }
    return numbers;
}

// A listed group form stands for every member of its group that was a candidate.
void checkAgainstTests(const PlayerView& view, const Session& session,
                       std::vector<std::string>& problems) {
    const std::set<std::string> candidates(session.candidates.begin(), session.candidates.end());
    for (const std::string& number : session.results) {
        std::string member = number;
        std::string reasons;
        bool accounted = false;
        do {
            const std::string reason =
                candidates.contains(member) ? rejection(view, Digits(member)) : "no candidate";
            accounted = accounted || reason.empty();
            reasons += " " + member + " " + reason + ";";
        } while (view.groupType() && std::next_permutation(member.begin(), member.end()));
        if (!accounted)
            problems.push_back(number + " is listed but fails the tests:" + reasons);
    }
}

}  // namespace

std::vector<std::string> survivorProblems(const QWidget& window, const Session& session,
                                          bool controlsUnchangedDuringRun) {
    const PlayerView view = readView(window);
    const std::set<std::string> singles = excludedSingles(view);
    std::vector<std::string> problems;
    std::set<std::string> seen;
    for (const std::string& number : session.results) {
        if (!isNumberText(number)) {
            problems.push_back("malformed result \"" + number + "\"");
            continue;
        }
        if (!seen.insert(number).second)
            problems.push_back(number + " is in the results twice");
        if (view.groupType() && !std::is_sorted(number.begin(), number.end()))
            problems.push_back(number + " is not its group form");
        if (!controlsUnchangedDuringRun)
            continue;
        if (!ofTickedType(view, Digits(number).kind()))
            problems.push_back(number + " is not of the ticked number type");
        if (singles.contains(number))
            problems.push_back(number + " is in the single exclusions");
    }
    if (controlsUnchangedDuringRun && view.ticked.at("条件随机") &&
        static_cast<long long>(session.results.size()) >
            targetCount(view.texts.at("TargetCountBox")))
        problems.push_back("more results than the random count asks for");
    if (problems.empty() && controlsUnchangedDuringRun)
        checkAgainstTests(view, session, problems);
    return problems;
}

}  // namespace suoshui::monkey
