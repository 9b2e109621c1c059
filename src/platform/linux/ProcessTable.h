#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace lumora {

// A program running under the current user, as /proc shows it.
struct RunningProgram {
    pid_t pid;
    std::vector<std::string> argv;
};

// The live (not zombie) programs of this user whose executable name (argv[0] without its
// folder) is `name`.
std::vector<RunningProgram> RunningPrograms(const std::string& name);

// True while `pid` runs and is the program `name`.
bool IsRunning(pid_t pid, const std::string& name);

}  // namespace lumora
