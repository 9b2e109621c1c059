#pragma once

#include <string>

namespace lumora {

// The strings every part of the program shares. Empty at process start; the main window's
// construction sets all but the report version, which nothing sets.
struct ProcessStrings {
    std::string applicationDirectory;
    std::string collectionDirectory;  // replaced when the user picks another folder
    std::string clientId;
    std::string adapterAddress;
    std::string startType;  // "runstart" or "autostart"; empty until the main window exists
    std::string reportVersion;
};

// The one instance of the process.
ProcessStrings& Strings();

}  // namespace lumora
