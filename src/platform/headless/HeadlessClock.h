#pragma once

#include "platform/Clock.h"
#include "platform/headless/HeadlessHost.h"

namespace lumora {

// Wall-clock time that moves with the headless host's virtual clock: `epoch` seconds when the
// host's clock reads 0. A test sets `epoch` to jump, as a machine that was switched off.
class HeadlessClock : public Clock {
public:
    explicit HeadlessClock(const HeadlessHost& host, std::int64_t epoch = 1'800'000'000)
        : epoch(epoch), m_host(host) {}
    std::int64_t NowSeconds() override {
        return epoch + static_cast<std::int64_t>(m_host.Now() / 1000);
    }

    std::int64_t epoch;

private:
    const HeadlessHost& m_host;
};

}  // namespace lumora
