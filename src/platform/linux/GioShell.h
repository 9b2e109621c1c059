#pragma once

#include "platform/Shell.h"

namespace lumora {

// URLs go to the handler GIO finds for their scheme; programs are spawned directly.
class GioShell : public Shell {
public:
    bool OpenUrl(const std::string& url) override;
    bool StartProgram(const std::string& path) override;
};

}  // namespace lumora
