#pragma once

#include "platform/CommandRunner.h"

namespace lumora {

// Runs a program from PATH with GLib's spawn, waits for it and collects its standard output.
class SpawnCommandRunner : public CommandRunner {
public:
    CommandResult Run(const std::vector<std::string>& argv) override;
};

}  // namespace lumora
