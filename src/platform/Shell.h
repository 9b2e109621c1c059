#pragma once

#include <string>

namespace lumora {

// Port to the desktop shell: pages in the user's browser, and other programs.
class Shell {
public:
    virtual ~Shell() = default;
    // Opens the URL with the user's default handler. False when no handler could be started.
    virtual bool OpenUrl(const std::string& url) = 0;
    // Starts the program at `path` without arguments and does not wait for it. False when it
    // could not be started.
    virtual bool StartProgram(const std::string& path) = 0;
};

Shell& SystemShell();

}  // namespace lumora
