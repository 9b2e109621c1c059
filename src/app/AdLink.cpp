#include "app/AdLink.h"

#include "app/TextHelpers.h"

namespace lumora {

AdLink FetchAdLink(const ServiceClient& service, const std::string& serviceUrl,
                   const std::string& initialTarget, Host& host, SurfaceId owner,
                   std::chrono::milliseconds deadline) {
    std::string reply =
        service.HttpGetText(ServiceClient::OperationUrl(serviceUrl, "getad"), deadline);
    if (reply.empty()) {
        host.MessageBox(owner, "您的网络可能没有接上，请检查网络！", "Lumora", {});
    }
    ConvertUtf8ToAnsi(reply);
    std::vector<std::string> parts = SplitText(reply, ",");
    AdLink link{parts[0], initialTarget};
    if (parts.size() >= 2) {
        link.target = parts[1];
    }
    return link;
}

}  // namespace lumora
