#pragma once

#include "pulse.h"

#include <vector>

// One hour of a server's counts summed up, as the store keeps it for ever.
namespace history {

inline constexpr int notAnswering = -1, notWatching = -2;

struct Hour {
    int peak = -1;      // the most players while answering; -1: it never answered
    double mean = 0;    // players over the seconds watched (no answer counts as none)
    qint64 up = 0;      // seconds answering
    qint64 watched = 0; // seconds the host was watching
};

// The counts from `from` to `to`: `inForce` the one standing at `from` (players notWatching when
// none), `steps` those after it, in order; a step outside the span is ignored.
Hour summarize(Step inForce, const std::vector<Step>& steps, qint64 from, qint64 to);

} // namespace history
