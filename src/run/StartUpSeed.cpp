#include "run/StartUpSeed.h"

#include "engine/RandomSeed.h"

namespace suoshui {

std::uint64_t seedAtStartUp(Session& session) {
    session.seedCounter = 0;
    return nextSeed(tickMilliseconds(), session.seedCounter);
}

}  // namespace suoshui
