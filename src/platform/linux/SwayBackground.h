#pragma once

#include "platform/CommandRunner.h"
#include "platform/DesktopBackground.h"

namespace lumora {

// sway: the compositor is told over its IPC to give every output the picture, and runs its own
// swaybg with it. Which swaybg runs, and with what, shows whether that happened.
class SwayBackground : public DesktopBackground {
public:
    explicit SwayBackground(CommandRunner& runner) : m_runner(runner) {}
    int SetWallpaper(const std::string& path, int layout) override;

    // The sway command for an absolute picture path and a layout code.
    static std::string Command(const std::string& path, int layout);

private:
    CommandRunner& m_runner;
};

}  // namespace lumora
