#include "service/ServiceOptions.h"

#include <charconv>

namespace lumora::service {

const char* ServiceOptions::Usage() {
    return "usage: lumora-service [--host ADDR] [--port N] [--port-file FILE] [--log FILE]\n"
           "                      [--version TEXT] [--ad CAPTION,TARGET] [--pictures DIR] [--cache "
           "DIR]\n"
           "  --port 0 picks a free port; the port in use is printed on the first line of output\n";
}

std::optional<ServiceOptions> ServiceOptions::Parse(const std::vector<std::string>& args,
                                                    std::string& error) {
    ServiceOptions options;
    for (size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::string value;
        size_t eq = name.find('=');
        if (eq != std::string::npos) {
            value = name.substr(eq + 1);
            name.resize(eq);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            error = "missing value for " + name;
            return std::nullopt;
        }
        if (name == "--host") {
            options.host = value;
        } else if (name == "--port") {
            int port = -1;
            auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), port);
            if (ec != std::errc() || end != value.data() + value.size() || port < 0 ||
                port > 65535) {
                error = "bad port: " + value;
                return std::nullopt;
            }
            options.port = port;
        } else if (name == "--port-file") {
            options.portFile = value;
        } else if (name == "--log") {
            options.logPath = value;
        } else if (name == "--version") {
            options.version = value;
        } else if (name == "--ad") {
            options.ad = value;
        } else if (name == "--pictures") {
            options.picturesDir = value;
        } else if (name == "--cache") {
            options.cacheDir = value;
        } else {
            error = "unknown option " + name;
            return std::nullopt;
        }
    }
    return options;
}

}  // namespace lumora::service
