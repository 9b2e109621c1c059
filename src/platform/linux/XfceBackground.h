#pragma once

#include "platform/CommandRunner.h"
#include "platform/DesktopBackground.h"

namespace lumora {

// XFCE keeps one background per monitor and workspace in the xfce4-desktop channel of xfconf;
// every one of them is set, through xfconf-query.
class XfceBackground : public DesktopBackground {
public:
    explicit XfceBackground(CommandRunner& runner) : m_runner(runner) {}
    int SetWallpaper(const std::string& path, int layout) override;

private:
    CommandResult Query(std::vector<std::string> arguments);

    CommandRunner& m_runner;
};

}  // namespace lumora
