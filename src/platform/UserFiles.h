#pragma once

#include <string>

namespace lumora {

// The user's configuration directory: $XDG_CONFIG_HOME when it is absolute, else ~/.config.
// Empty when neither is known.
std::string UserConfigDirectory();

// The file holding the client id that the installer writes: "lumora/id" in the user's
// configuration directory. Empty when that is not known.
std::string ClientIdFilePath();

// The program's entry among the user's autostart programs: "autostart/lumo.desktop" in the
// same configuration directory. Empty when it is not known.
std::string AutostartFilePath();

}  // namespace lumora
