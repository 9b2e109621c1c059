#pragma once

#include "platform/CommandRunner.h"
#include "platform/DesktopBackground.h"

namespace lumora {

// XFCE keeps one background per monitor and workspace in the xfce4-desktop channel of xfconf;
// every one of them is set, through xfconf-query, and read back.
class XfceBackground : public DesktopBackground {
public:
    explicit XfceBackground(CommandRunner& runner) : m_runner(runner) {}
    int SetWallpaper(const std::string& path, int layout) override;

    // The last-image properties to set: every workspace (of `workspaces`) of every monitor
    // the channel lists, made where missing; the first monitor's when it lists none.
    static std::vector<std::string> ImageProperties(const std::string& listing, int workspaces);

private:
    CommandResult Query(std::vector<std::string> arguments);
    int Workspaces();

    CommandRunner& m_runner;
};

}  // namespace lumora
