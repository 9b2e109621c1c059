#include "platform/headless/RecordingShell.h"

namespace lumora {

bool RecordingShell::OpenUrl(const std::string& url) {
    openedUrls.push_back(url);
    return succeeds;
}

bool RecordingShell::StartProgram(const std::string& path) {
    startedPrograms.push_back(path);
    return succeeds;
}

}  // namespace lumora
