#include "run/FilterRun.h"

#include <bit>
#include <optional>
#include <random>

#include "engine/NumberSet.h"
#include "engine/RandomSeed.h"
#include "lists/ConditionSummary.h"
#include "run/Candidates.h"
#include "run/RunRules.h"
#include "run/Survival.h"

namespace suoshui {

namespace {

constexpr TextBox kExcludeSetBoxes[] = {TextBox::ExcludeSet1, TextBox::ExcludeSet2,
                                        TextBox::ExcludeSet3, TextBox::ExcludeSet4};

// The settings of a run as the player leaves them: read at the start, and again after an event
// pass in which the player changed a control. The survival rule is made from each new reading
// when first asked for.
class RunSettings {
  public:
    explicit RunSettings(Controls& controls) : controls_(controls) { read(); }

    const FilterSettings& settings() const { return settings_; }

    const SurvivalRule& rule() {
        if (!rule_)
            rule_.emplace(settings_);
        return *rule_;
    }

    bool stopRequested() const { return controls_.stopRequested(); }
    void showProgress(std::size_t walked, std::size_t total) {
        controls_.runProgress(walked, total);
    }

    // Lets the window handle its events; a control changed meanwhile means a new reading.
    void letWindowBreathe() {
        controls_.letWindowBreathe();
        if (controls_.changeCount() != readAtChange_)
            read();
    }

    // The digit boxes keep only their distinct digits, ascending, in the window as in every
    // reading; the exclusion sets only while "排 除" is ticked.
    void writeDigitBoxesBack() {
        controls_.setText(TextBox::DigitSequence, settings_.digitSequence);
        controls_.setText(TextBox::Banker, settings_.banker);
        controls_.setText(TextBox::Drag, settings_.drag);
        if (settings_.isChecked(Check::ExcludeSets)) {
            for (std::size_t i = 0; i < settings_.excludeSets.size(); ++i)
                controls_.setText(kExcludeSetBoxes[i], settings_.excludeSets[i]);
        }
        // These writes are the run's own, not the player's.
        readAtChange_ = controls_.changeCount();
    }

  private:
    void read() {
        readAtChange_ = controls_.changeCount();
        // A box changed during the run reads as its digits too, never its separators.
        settings_ = withDigitBoxesNormalised(controls_.readSettings());
        rule_.reset();
    }

    Controls& controls_;
    FilterSettings settings_;
    std::uint64_t readAtChange_ = 0;
    std::optional<SurvivalRule> rule_;
};

// With "容错" a number fails the conditions as a whole, not at one group.
void countConditionFailure(const CandidateFate& fate, bool tolerance, RunTally& tally) {
    if (tolerance) {
        ++tally.byTolerance;
        return;
    }
    // The first group in filter order that rejects: the lowest bit set.
    ++tally.byGroup[static_cast<std::size_t>(std::countr_zero(fate.rejectingGroups))];
}

// Walks the candidates through the survival rule and counts each removed one at the step that
// removed it. Only three-digit candidates are walked: the base list's empty items are skipped.
void walkCandidates(RunSettings& live, Session& session, RunTally& tally) {
    // Under the group types each group is listed once, at its first member that passes.
    NumberSet listedGroups;
    const std::size_t total = session.candidates.size();
    for (std::size_t walked = 0; walked < total; ++walked) {
        const std::string& candidate = session.candidates[walked];
        live.showProgress(walked, total);
        live.letWindowBreathe();
        if (live.stopRequested())
            return;
        if (!isNumberText(candidate))
            continue;
        ++tally.candidates;
        const SurvivalRule& rule = live.rule();
        const int number = numberValue(candidate);
        const int listed = rule.listsGroupForms() ? groupFormValue(number) : number;
        if (rule.listsGroupForms() && listedGroups.contains(listed)) {
            ++tally.byNumberType;
            continue;
        }
        const CandidateFate& fate = rule.asCandidate(number);
        switch (fate.step()) {
            case RunStep::NumberType:
                ++tally.byNumberType;
                break;
            case RunStep::ExclusionSets:
                ++tally.byExclusionSets;
                break;
            case RunStep::Conditions:
                countConditionFailure(fate, live.settings().tolerance.on, tally);
                break;
            case RunStep::Singles:
                listedGroups.add(listed);
                ++tally.bySingles;
                break;
            case RunStep::Listed:
                listedGroups.add(listed);
                session.results.push_back(rule.listsGroupForms() ? numberText(listed) : candidate);
                break;
        }
    }
}

// Removes numbers at random positions until at most the target count remain; the survivors
// keep their relative order. Returns how many went.
int thinToTargetCount(std::string_view targetCount, Session& session) {
    const long long target = leadingNumber(targetCount);
    std::mt19937_64 generator(nextSeed(tickMilliseconds(), session.seedCounter));
    NumberList& results = session.results;
    int removed = 0;
    while (static_cast<long long>(results.size()) > target) {
        std::uniform_int_distribution<std::size_t> position(0, results.size() - 1);
        results.erase(results.begin() + static_cast<std::ptrdiff_t>(position(generator)));
        ++removed;
    }
    return removed;
}

// Marks the run as in progress and tells the window so for as long as the walk lasts, also
// when reading the settings fails half way.
class RunGuard {
  public:
    RunGuard(Controls& controls, Session& session) : controls_(controls), session_(session) {
        session_.runInProgress = true;
        controls_.runStarted();
    }
    ~RunGuard() {
        endWalk();
        session_.runInProgress = false;
    }
    void endWalk() {
        if (walking_)
            controls_.runEnded();
        walking_ = false;
    }

  private:
    Controls& controls_;
    Session& session_;
    bool walking_ = true;
};

}  // namespace

void runFilter(Controls& controls, Session& session) {
    if (session.runInProgress)
        return;
    RunGuard guard(controls, session);
    controls.setText(TextBox::Result, "");
    RunSettings live(controls);
    live.writeDigitBoxesBack();
    session.results.clear();
    live.letWindowBreathe();
    session.candidates = generateCandidates(live.settings());
    RunTally tally;
    walkCandidates(live, session, tally);
    guard.endWalk();
    if (live.stopRequested()) {
        session.results.clear();
        return;
    }
    const FilterSettings& settings = live.settings();
    if (settings.isChecked(Check::RandomCount))
        tally.byThinning = thinToTargetCount(settings.targetCount, session);
    tally.kept = static_cast<int>(session.results.size());
    session.lastRunSettings = settings;
    session.lastRunTally = tally;
    controls.setText(TextBox::Result,
                     conditionSummaryText(settings, controls.resultGrouping(), session.results));
}

}  // namespace suoshui
