#pragma once

#include <cstdint>
#include <optional>

#include "engine/LotteryNumber.h"
#include "features/FilterSettings.h"
#include "lists/RunStatus.h"

namespace suoshui {

// What the program keeps while it runs, besides the controls themselves.
struct Session {
    NumberList candidates;  // rebuilt by every filter run
    NumberList results;     // the last run's survivors, in acceptance order
    // The settings the last run read and what it did: a regrouped report describes that run.
    std::optional<FilterSettings> lastRunSettings;
    RunTally lastRunTally;
    bool baseListStored = false;    // set by the first store of a result into the base list
    bool runInProgress = false;     // a filter run is walking the candidates
    std::uint64_t seedCounter = 0;  // grows with every seeding of the random generator
};

}  // namespace suoshui
