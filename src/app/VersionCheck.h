#pragma once

#include <string>

#include "app/ServiceClient.h"

namespace lumora {

enum class VersionOutcome { NoAnswer, SameVersion, OtherVersion };

// Asks the service for its version and compares the reply, white space trimmed, byte for byte
// with the installed version: any difference, older or newer, is another version. A reply that
// has not come whole within `deadline` is no answer.
VersionOutcome CheckVersion(const ServiceClient& service, const std::string& serviceUrl,
                            const std::string& installedVersion,
                            std::chrono::milliseconds deadline = kServiceDeadline);

}  // namespace lumora
