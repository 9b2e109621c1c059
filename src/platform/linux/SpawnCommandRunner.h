#pragma once

#include <chrono>

#include "platform/CommandRunner.h"

namespace lumora {

// Runs a program from PATH with GLib's spawn, waits for it and collects its standard output.
// A program still running after the time-out is killed; it did not succeed.
class SpawnCommandRunner : public CommandRunner {
public:
    explicit SpawnCommandRunner(std::chrono::milliseconds timeout = std::chrono::seconds(10))
        : m_timeout(timeout) {}
    CommandResult Run(const std::vector<std::string>& argv) override;

private:
    std::chrono::milliseconds m_timeout;
};

}  // namespace lumora
