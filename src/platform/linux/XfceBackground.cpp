#include "platform/linux/XfceBackground.h"

#include <cerrno>
#include <filesystem>
#include <sstream>

namespace lumora {
namespace {

// xfdesktop's image-style values: 1 centred, 2 tiled, 3 stretched, 4 scaled, 5 zoomed.
constexpr const char* kStyles[] = {"2", "1", "3", "4", "5"};
constexpr std::string_view kImageKey = "/last-image";
// Where a desktop that has never shown a picture keeps its first monitor's.
constexpr const char* kFirstMonitorImage = "/backdrop/screen0/monitor0/workspace0/last-image";

std::vector<std::string> ImageProperties(const std::string& listing) {
    std::vector<std::string> properties;
    std::istringstream lines(listing);
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with("/backdrop/") && line.ends_with(kImageKey)) {
            properties.push_back(line);
        }
    }
    if (properties.empty()) {
        properties.push_back(kFirstMonitorImage);
    }
    return properties;
}

}  // namespace

CommandResult XfceBackground::Query(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), {"xfconf-query", "-c", "xfce4-desktop"});
    return m_runner.Run(arguments);
}

int XfceBackground::SetWallpaper(const std::string& path, int layout) {
    if (layout < kLayoutTiled || layout > kLayoutFilled) {
        return EINVAL;
    }
    const CommandResult listing = Query({"-l"});
    if (!listing.Succeeded()) {
        return listing.started ? EIO : ENXIO;
    }
    std::error_code error;
    const std::string absolute = std::filesystem::absolute(path, error).string();
    bool ok = true;
    for (const std::string& image : ImageProperties(listing.output)) {
        const std::string style = image.substr(0, image.size() - kImageKey.size()) + "/image-style";
        ok = Query({"-p", style, "-n", "-t", "int", "-s", kStyles[layout]}).Succeeded() && ok;
        // xfdesktop reloads only on a change of the value, so the same path is preceded by an
        // empty one.
        ok = Query({"-p", image, "-n", "-t", "string", "-s", ""}).Succeeded() && ok;
        ok = Query({"-p", image, "-n", "-t", "string", "-s", absolute}).Succeeded() && ok;
    }
    return ok ? 0 : EIO;
}

}  // namespace lumora
