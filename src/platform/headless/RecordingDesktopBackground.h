#pragma once

#include <vector>

#include "platform/DesktopBackground.h"

namespace lumora {

// Records each request and answers with `status`.
class RecordingDesktopBackground : public DesktopBackground {
public:
    struct Call {
        std::string path;
        int layout;
    };

    int SetWallpaper(const std::string& path, int layout) override {
        calls.push_back({path, layout});
        return status;
    }

    int status = 0;
    std::vector<Call> calls;
};

}  // namespace lumora
