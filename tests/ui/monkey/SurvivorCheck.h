#pragma once

#include <QWidget>
#include <string>
#include <vector>

#include "run/Session.h"

namespace suoshui::monkey {

// What a run's survivors must satisfy, judged by the rules of the player's manual from the
// window's widgets as the player sees them after the run: each is a well-formed number listed
// once, in group form under the group types; and, when no control changed during the run, it is
// of the ticked number type, not excluded by a single exclusion, within the random count, and
// it (or for the group types a member of its group) was a candidate that passes the exclusion
// sets and the ticked conditions. Passing is necessary, not sufficient: survivors only.
std::vector<std::string> survivorProblems(const QWidget& window, const Session& session,
                                          bool controlsUnchangedDuringRun);

}  // namespace suoshui::monkey
