#pragma once

#include <string>
#include <vector>

#include "engine/Controls.h"
#include "engine/Session.h"

namespace suoshui::monkey {

// What a run's survivors must satisfy, read from the controls as they stand after the run:
// each is a well-formed number listed once, of the ticked number type, not excluded by a
// single exclusion, within the random count; and, when no control changed during the run,
// it (or for the group types a member of its group) was a candidate that passes the exclusion
// sets and the ticked conditions. Passing is necessary, not sufficient: survivors only.
std::vector<std::string> survivorProblems(Controls& controls, const Session& session,
                                          bool controlsUnchangedDuringRun);

}  // namespace suoshui::monkey
