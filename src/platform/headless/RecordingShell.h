#pragma once

#include <string>
#include <vector>

#include "platform/Shell.h"

namespace lumora {

// A shell for tests: remembers what it was asked to open or start and answers `succeeds`.
class RecordingShell : public Shell {
public:
    bool OpenUrl(const std::string& url) override;
    bool StartProgram(const std::string& path) override;

    bool succeeds = true;
    std::vector<std::string> openedUrls;
    std::vector<std::string> startedPrograms;
};

}  // namespace lumora
