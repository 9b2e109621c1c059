#pragma once

#include <functional>
#include <vector>

#include "platform/CommandRunner.h"

namespace lumora {

// Records every command; answers from a script the test sets (by default: ran, exit 0, no
// output).
class RecordingCommandRunner : public CommandRunner {
public:
    using Answer = std::function<CommandResult(const std::vector<std::string>& argv)>;

    CommandResult Run(const std::vector<std::string>& argv) override;

    Answer answer;
    std::vector<std::vector<std::string>> commands;
};

}  // namespace lumora
