#pragma once

#include <string>

namespace lumora {

// The file holding the client id that the installer writes: "lumora/id" in the user's
// configuration directory ($XDG_CONFIG_HOME, else ~/.config). Empty when neither is known.
std::string ClientIdFilePath();

}  // namespace lumora
