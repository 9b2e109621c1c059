#include "platform/linux/XfceBackground.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <set>
#include <sstream>

namespace lumora {
namespace {

// xfdesktop's image-style values: 1 centred, 2 tiled, 3 stretched, 4 scaled, 5 zoomed.
constexpr const char* kStyles[] = {"2", "1", "3", "4", "5"};
constexpr std::string_view kImageKey = "last-image";
constexpr std::string_view kWorkspace = "/workspace";
// Where a desktop that has never shown a picture keeps its first monitor's.
constexpr const char* kFirstMonitor = "/backdrop/screen0/monitor0";
// More workspaces than xfwm4 offers are taken for a misreading.
constexpr int kMostWorkspaces = 32;

std::string Trimmed(const std::string& text) {
    const auto end = text.find_last_not_of("\r\n");
    return end == std::string::npos ? "" : text.substr(0, end + 1);
}

}  // namespace

std::vector<std::string> XfceBackground::ImageProperties(const std::string& listing,
                                                         int workspaces) {
    // Every monitor that has a background of its own, for every workspace, whether or not
    // the workspace has shown a picture yet.
    std::set<std::string> monitors;
    std::set<std::string> properties;
    std::istringstream lines(listing);
    for (std::string line; std::getline(lines, line);) {
        line = Trimmed(line);
        const auto workspace = line.rfind(kWorkspace);
        if (!line.starts_with("/backdrop/") || workspace == std::string::npos ||
            !line.ends_with(kImageKey)) {
            continue;
        }
        monitors.insert(line.substr(0, workspace));
        properties.insert(line);
    }
    if (monitors.empty()) {
        monitors.insert(kFirstMonitor);
    }
    for (const std::string& monitor : monitors) {
        for (int i = 0; i < std::clamp(workspaces, 1, kMostWorkspaces); ++i) {
            properties.insert(monitor + std::string(kWorkspace) + std::to_string(i) + "/" +
                              std::string(kImageKey));
        }
    }
    return {properties.begin(), properties.end()};
}

CommandResult XfceBackground::Query(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), {"xfconf-query", "-c", "xfce4-desktop"});
    return m_runner.Run(arguments);
}

int XfceBackground::Workspaces() {
    const CommandResult count =
        m_runner.Run({"xfconf-query", "-c", "xfwm4", "-p", "/general/workspace_count"});
    try {
        return count.Succeeded() ? std::stoi(count.output) : 1;
    } catch (const std::exception&) {
        return 1;
    }
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
    bool held = true;
    for (const std::string& image : ImageProperties(listing.output, Workspaces())) {
        const std::string style = image.substr(0, image.size() - kImageKey.size()) + "image-style";
        Query({"-p", style, "-n", "-t", "int", "-s", kStyles[layout]});
        // xfdesktop reloads only on a change of the value, so the same path is preceded by an
        // empty one.
        Query({"-p", image, "-n", "-t", "string", "-s", ""});
        Query({"-p", image, "-n", "-t", "string", "-s", absolute});
        // What the channel holds afterwards decides: a locked channel refuses quietly.
        const CommandResult back = Query({"-p", image});
        held = held && back.Succeeded() && Trimmed(back.output) == absolute;
    }
    return held ? 0 : EACCES;
}

}  // namespace lumora
