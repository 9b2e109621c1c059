#include <ctime>

#include "platform/Clock.h"

namespace lumora {
namespace {

class RealClock : public Clock {
public:
    std::int64_t NowSeconds() override { return static_cast<std::int64_t>(std::time(nullptr)); }
};

}  // namespace

Clock& SystemClock() {
    static RealClock clock;
    return clock;
}

}  // namespace lumora
