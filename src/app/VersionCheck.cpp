#include "app/VersionCheck.h"

#include "app/TextHelpers.h"

namespace lumora {

VersionOutcome CheckVersion(const ServiceClient& service, const std::string& serviceUrl,
                            const std::string& installedVersion,
                            std::chrono::milliseconds deadline) {
    std::string reply =
        service.HttpGetText(ServiceClient::OperationUrl(serviceUrl, "getversion"), deadline);
    if (reply.empty()) {
        return VersionOutcome::NoAnswer;
    }
    return TrimWhiteSpace(reply) == installedVersion ? VersionOutcome::SameVersion
                                                     : VersionOutcome::OtherVersion;
}

}  // namespace lumora
