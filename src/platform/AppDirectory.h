#pragma once

#include <string>

namespace lumora {

// The directory of the running executable, without a trailing slash; empty when it cannot be read.
std::string ApplicationDirectory();

// The process's current directory as the system reports it; empty when it cannot be read.
std::string CurrentDirectory();

}  // namespace lumora
