#include "engine/FilterRun.h"

#include <random>

#include "engine/Candidates.h"
#include "engine/GbkLength.h"
#include "engine/LotteryNumber.h"
#include "engine/RandomSeed.h"
#include "features/ConditionChain.h"
#include "lists/ConditionSummary.h"

namespace suoshui {

namespace {

constexpr std::string_view kWideBlank = "\xE3\x80\x80";  // the double-byte blank "　"

int numberValue(std::string_view number) {
    return hundredsDigit(number) * 100 + tensDigit(number) * 10 + unitsDigit(number);
}

bool isThreeDigits(std::string_view text, std::size_t at) {
    if (at + 3 > text.size())
        return false;
    for (std::size_t i = at; i < at + 3; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return false;
    }
    return true;
}

// A candidate is walked only when it is three bytes long once blanks are removed.
bool isWellFormedCandidate(std::string_view candidate) {
    std::string stripped;
    for (std::size_t i = 0; i < candidate.size(); ++i) {
        if (candidate[i] == ' ')
            continue;
        if (candidate.substr(i, kWideBlank.size()) == kWideBlank) {
            i += kWideBlank.size() - 1;
            continue;
        }
        stripped.push_back(candidate[i]);
    }
    return gbkByteLength(stripped) == 3;
}

bool isGroupSelection(const Controls& controls) {
    return controls.isChecked(Radio::Group) || controls.isChecked(Radio::GroupSix) ||
           controls.isChecked(Radio::GroupThree);
}

// Skips a group already listed, and any candidate not of the kind the type lists.
bool skipGroup(std::string_view candidate, const SeenGroups& seen, bool kindMatches) {
    return !kindMatches || seen.contains(groupForm(candidate));
}

void normaliseDigitBoxes(Controls& controls) {
    std::vector<TextBox> boxes = {TextBox::DigitSequence, TextBox::Banker, TextBox::Drag};
    if (controls.isChecked(Check::ExcludeSets)) {
        boxes.insert(boxes.end(), {TextBox::ExcludeSet1, TextBox::ExcludeSet2, TextBox::ExcludeSet3,
                                   TextBox::ExcludeSet4});
    }
    for (TextBox box : boxes)
        controls.setText(box, normaliseDigitText(controls.text(box)));
}

bool passesConditions(Controls& controls, const TagTable& tags, std::string_view candidate) {
    if (!passesBasicStage(controls, tags, candidate))
        return false;
    return !controls.isChecked(Check::ExtraEnabled) || passesExtraStage(controls, tags, candidate);
}

void walkCandidates(Controls& controls, Session& session) {
    const ExclusionTexts exclusions = ExclusionTexts::read(controls);
    const SinglesFilter singles(exclusions.singles);
    SeenGroups seen;
    for (std::size_t i = 0; i < session.candidates.size(); ++i) {
        std::string candidate = session.candidates[i];
        if (!isWellFormedCandidate(candidate))
            continue;
        if (skipByNumberType(controls, candidate, seen))
            continue;
        if (!excludeBySets(controls, exclusions, candidate))
            continue;
        if (!passesConditions(controls, session.tags, candidate))
            continue;
        if (isGroupSelection(controls))
            candidate = groupForm(candidate);
        seen.add(candidate);
        if (!singles.excludes(candidate))
            session.results.push_back(candidate);
    }
}

// Removes numbers at random positions until at most the target count remain; the survivors
// keep their relative order.
void thinToTargetCount(Controls& controls, Session& session) {
    const long long target = leadingNumber(controls.text(TextBox::TargetCount));
    std::mt19937_64 generator(nextSeed(tickMilliseconds(), session.seedCounter));
    NumberList& results = session.results;
    while (static_cast<long long>(results.size()) > target) {
        std::uniform_int_distribution<std::size_t> position(0, results.size() - 1);
        results.erase(results.begin() + static_cast<std::ptrdiff_t>(position(generator)));
    }
}

// Marks the run as in progress and shows the busy pictures for as long as it lives, also
// when a lookup fails half way.
class RunGuard {
  public:
    RunGuard(Controls& controls, Session& session) : controls_(controls), session_(session) {
        session_.runInProgress = true;
        controls_.setBusy(true);
    }
    ~RunGuard() {
        hideBusy();
        session_.runInProgress = false;
    }
    void hideBusy() {
        if (busyShown_)
            controls_.setBusy(false);
        busyShown_ = false;
    }

  private:
    Controls& controls_;
    Session& session_;
    bool busyShown_ = true;
};

}  // namespace

void SeenGroups::add(std::string_view number) {
    seen_[numberValue(number)] = true;
}

bool SeenGroups::contains(std::string_view number) const {
    return seen_[numberValue(number)];
}

ExclusionTexts ExclusionTexts::read(const Controls& controls) {
    ExclusionTexts texts;
    texts.sets = {controls.text(TextBox::ExcludeSet1), controls.text(TextBox::ExcludeSet2),
                  controls.text(TextBox::ExcludeSet3), controls.text(TextBox::ExcludeSet4)};
    texts.singles = controls.text(TextBox::ExcludeSingles);
    return texts;
}

SinglesFilter::SinglesFilter(std::string_view text) {
    for (std::size_t i = 0; i + 3 <= text.size(); ++i) {
        if (isThreeDigits(text, i))
            present_[numberValue(text.substr(i, 3))] = true;
    }
}

bool SinglesFilter::excludes(std::string_view number) const {
    return isThreeDigits(number, 0) && present_[numberValue(number)];
}

bool skipByNumberType(const Controls& controls, std::string_view candidate,
                      const SeenGroups& seen) {
    const GroupKind kind = groupKind(candidate);
    if (controls.isChecked(Radio::Direct))
        return false;
    if (controls.isChecked(Radio::DirectSix))
        return kind != GroupKind::GroupSix;
    if (controls.isChecked(Radio::DirectThree))
        return kind != GroupKind::GroupThree;
    if (controls.isChecked(Radio::Group))
        return skipGroup(candidate, seen, kind != GroupKind::Triple);
    if (controls.isChecked(Radio::GroupSix)) {
        return skipGroup(candidate, seen, kind == GroupKind::GroupSix);
    }
    if (controls.isChecked(Radio::GroupThree)) {
        return skipGroup(candidate, seen, kind == GroupKind::GroupThree);
    }
    return false;
}

bool coversNumber(std::string_view digits, std::string_view number) {
    if (number.size() < 3)
        return false;
    for (std::size_t i = 0; i < 3; ++i) {
        if (digits.find(number[i]) == std::string_view::npos)
            return false;
    }
    return true;
}

bool excludeBySets(const Controls& controls, const ExclusionTexts& exclusions,
                   std::string_view candidate) {
    if (!controls.isChecked(Check::ExcludeSets))
        return true;
    bool allShort = gbkByteLength(exclusions.singles) <= 3;
    for (const std::string& set : exclusions.sets)
        allShort = allShort && gbkByteLength(set) <= 3;
    if (allShort)
        return true;
    for (const std::string& set : exclusions.sets) {
        if (coversNumber(set, candidate))
            return false;
    }
    return true;
}

void runFilter(Controls& controls, Session& session) {
    if (session.runInProgress)
        return;
    RunGuard guard(controls, session);
    controls.setText(TextBox::Result, "");
    controls.setResultFont(controls.windowWidth() > 800 ? 11 : 9, false);
    normaliseDigitBoxes(controls);
    session.results.clear();
    session.candidates = generateCandidates(controls);
    walkCandidates(controls, session);
    guard.hideBusy();
    if (controls.isChecked(Check::RandomCount))
        thinToTargetCount(controls, session);
    buildConditionSummary(controls, session);
}

}  // namespace suoshui
