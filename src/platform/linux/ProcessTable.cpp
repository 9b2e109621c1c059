#include "platform/linux/ProcessTable.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>

#include "platform/linux/WholeFile.h"

namespace lumora {
namespace {

// The state letter of /proc/PID/stat, after the parenthesised name (which may hold blanks).
char StateOf(const std::string& stat) {
    const auto close = stat.rfind(')');
    return close == std::string::npos || close + 2 >= stat.size() ? '?' : stat[close + 2];
}

std::vector<std::string> ArgvOf(const std::string& cmdline) {
    std::vector<std::string> argv;
    std::istringstream in(cmdline);
    for (std::string arg; std::getline(in, arg, '\0');) {
        argv.push_back(arg);
    }
    return argv;
}

bool Matches(const std::filesystem::path& proc, const std::string& name, RunningProgram& out) {
    const std::string stat = ReadWholeFile(proc / "stat");
    if (stat.empty() || StateOf(stat) == 'Z' || StateOf(stat) == 'X') {
        return false;
    }
    out.argv = ArgvOf(ReadWholeFile(proc / "cmdline"));
    return !out.argv.empty() && std::filesystem::path(out.argv[0]).filename() == name;
}

}  // namespace

std::vector<RunningProgram> RunningPrograms(const std::string& name) {
    std::vector<RunningProgram> programs;
    std::error_code error;
    for (std::filesystem::directory_iterator it("/proc", error), end; !error && it != end;
         it.increment(error)) {
        const std::string entry = it->path().filename().string();
        if (entry.find_first_not_of("0123456789") != std::string::npos) {
            continue;
        }
        RunningProgram program{static_cast<pid_t>(std::stol(entry)), {}};
        struct stat info {};
        if (::stat(it->path().c_str(), &info) != 0 || info.st_uid != ::getuid()) {
            continue;
        }
        if (Matches(it->path(), name, program)) {
            programs.push_back(std::move(program));
        }
    }
    return programs;
}

bool IsRunning(pid_t pid, const std::string& name) {
    RunningProgram program{pid, {}};
    return pid > 0 && Matches("/proc/" + std::to_string(pid), name, program);
}

}  // namespace lumora
