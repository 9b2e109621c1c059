#pragma once

#include <string>

namespace lumora {

class Shell;

// Pages named by the service reply or the settings file open in the browser only when they
// are web pages: a reply must never make the program open a local file or start a program.
bool IsWebTarget(const std::string& url);

// Opens `url` in the user's browser when it is a web target; false when it was refused or no
// handler could be started (the callers ignore it, as they ignore a failed open).
bool OpenWebTarget(Shell& shell, const std::string& url);

}  // namespace lumora
