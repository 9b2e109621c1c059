#include "platform/headless/RecordingCommandRunner.h"

namespace lumora {

CommandResult RecordingCommandRunner::Run(const std::vector<std::string>& argv) {
    commands.push_back(argv);
    if (answer) {
        return answer(argv);
    }
    return CommandResult{true, 0, ""};
}

}  // namespace lumora
