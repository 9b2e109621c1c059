#pragma once

#include <cstdint>

namespace lumora {

// Port to the wall-clock time, which outlives the program (unlike its timers).
class Clock {
public:
    virtual ~Clock() = default;
    // Seconds since 1970-01-01 UTC.
    virtual std::int64_t NowSeconds() = 0;
};

Clock& SystemClock();

}  // namespace lumora
