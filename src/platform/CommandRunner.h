#pragma once

#include <string>
#include <vector>

namespace lumora {

// What became of one external command.
struct CommandResult {
    bool started = false;  // the program was found and ran
    int exitCode = -1;     // its exit status; -1 when it did not start or was killed
    std::string output;    // what it wrote to standard output

    bool Succeeded() const { return started && exitCode == 0; }
};

// Port for running a desktop's own tools (xfconf-query, dbus-send). The program is looked up
// in PATH; no shell is involved, so arguments are passed exactly as given.
class CommandRunner {
public:
    virtual ~CommandRunner() = default;
    virtual CommandResult Run(const std::vector<std::string>& argv) = 0;
};

// Runs the commands for real.
CommandRunner& SystemCommandRunner();

}  // namespace lumora
