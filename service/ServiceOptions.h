#pragma once

#include <optional>
#include <string>
#include <vector>

namespace lumora::service {

// The command line of lumora-service.
struct ServiceOptions {
    std::string host = "127.0.0.1";
    int port = 8470;       // 0 picks a free port
    std::string portFile;  // where the port in use is written, when given
    std::string logPath;   // empty: the request lines go to standard output
    std::string version = "1.0";
    std::optional<std::string>
        ad;                   // "caption,target"; by default one for the service's own home page
    std::string picturesDir;  // empty: the drawn demo library
    std::string cacheDir;     // empty: the user's cache folder
    std::string dbPath;       // empty: beside the log, or in the cache folder
    int dripMs = 0;           // > 0: full-size pictures go out in small chunks this far apart

    static const char* Usage();
    // Reads "--name value" and "--name=value" options; nullopt with `error` set on a bad one.
    static std::optional<ServiceOptions> Parse(const std::vector<std::string>& args,
                                               std::string& error);
};

}  // namespace lumora::service
