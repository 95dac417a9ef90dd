#pragma once

#include <cstdint>

#include "run/Session.h"

namespace suoshui {

// The program's first seeding of its random generator, from the clock, with the session's
// counter starting at 0. Every thinning of a run seeds anew by the same rule and the same
// counter, so this first step makes the counter, and with it every later seed, differ from
// one start of the program to the next. Returns the seed.
std::uint64_t seedAtStartUp(Session& session);

}  // namespace suoshui
