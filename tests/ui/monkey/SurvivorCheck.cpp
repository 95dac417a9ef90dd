#include "monkey/SurvivorCheck.h"

#include <algorithm>
#include <set>

#include "engine/FilterRun.h"
#include "engine/LotteryNumber.h"
#include "features/ConditionChain.h"

namespace suoshui::monkey {

namespace {

bool isNumberText(const std::string& text) {
    return text.size() == 3 &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool isGroupType(const Controls& controls) {
    return controls.isChecked(Radio::Group) || controls.isChecked(Radio::GroupSix) ||
           controls.isChecked(Radio::GroupThree);
}

// The kind the ticked number type lists, checked on the listed number itself.
bool ofTickedType(const Controls& controls, const std::string& number) {
    const GroupKind kind = groupKind(number);
    if (controls.isChecked(Radio::DirectSix) || controls.isChecked(Radio::GroupSix))
        return kind == GroupKind::GroupSix;
    if (controls.isChecked(Radio::DirectThree) || controls.isChecked(Radio::GroupThree))
        return kind == GroupKind::GroupThree;
    if (controls.isChecked(Radio::Group))
        return kind != GroupKind::Triple;
    return true;
}

// The candidates a listed number may stand for: itself, or every member of its group.
std::vector<std::string> membersOf(const Controls& controls, const std::string& number) {
    if (!isGroupType(controls))
        return {number};
    std::string member = number;
    std::sort(member.begin(), member.end());
    std::vector<std::string> members;
    do {
        members.push_back(member);
    } while (std::next_permutation(member.begin(), member.end()));
    return members;
}

bool passesEveryTest(Controls& controls, const Session& session, const ExclusionTexts& exclusions,
                     const std::string& candidate) {
    if (!excludeBySets(controls, exclusions, candidate))
        return false;
    if (!passesBasicStage(controls, session.tags, candidate))
        return false;
    return !controls.isChecked(Check::ExtraEnabled) ||
           passesExtraStage(controls, session.tags, candidate);
}

void checkAgainstTests(Controls& controls, const Session& session,
                       std::vector<std::string>& problems) {
    const ExclusionTexts exclusions = ExclusionTexts::read(controls);
    const std::set<std::string> candidates(session.candidates.begin(), session.candidates.end());
    for (const std::string& number : session.results) {
        bool accounted = false;
        for (const std::string& member : membersOf(controls, number)) {
            accounted = accounted || (candidates.contains(member) &&
                                      passesEveryTest(controls, session, exclusions, member));
        }
        if (!accounted)
            problems.push_back(number + " is listed but no candidate for it passes the tests");
    }
}

}  // namespace

std::vector<std::string> survivorProblems(Controls& controls, const Session& session,
                                          bool controlsUnchangedDuringRun) {
    std::vector<std::string> problems;
    std::set<std::string> seen;
    const SinglesFilter singles(controls.text(TextBox::ExcludeSingles));
    for (const std::string& number : session.results) {
        if (!isNumberText(number)) {
            problems.push_back("malformed result \"" + number + "\"");
            continue;
        }
        if (!seen.insert(number).second)
            problems.push_back(number + " is in the results twice");
        if (isGroupType(controls) && groupForm(number) != number)
            problems.push_back(number + " is not its group form");
        if (controlsUnchangedDuringRun && !ofTickedType(controls, number))
            problems.push_back(number + " is not of the ticked number type");
        if (controlsUnchangedDuringRun && singles.excludes(number))
            problems.push_back(number + " is in the single exclusions");
    }
    if (controlsUnchangedDuringRun && controls.isChecked(Check::RandomCount) &&
        static_cast<long long>(session.results.size()) >
            leadingNumber(controls.text(TextBox::TargetCount)))
        problems.push_back("more results than the random count asks for");
    if (problems.empty() && controlsUnchangedDuringRun)
        checkAgainstTests(controls, session, problems);
    return problems;
}

}  // namespace suoshui::monkey
