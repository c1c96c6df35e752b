// One clock for every time stamp the bench takes. The monotonic clock is system-wide, so the
// X probe's click time and the loopback server's arrival times compare directly.
#pragma once

#include <chrono>

namespace support {

using Clock = std::chrono::steady_clock;
using TimePoint = Clock::time_point;

inline double MillisBetween(TimePoint from, TimePoint to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

}  // namespace support
