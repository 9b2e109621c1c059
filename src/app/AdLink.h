#pragma once

#include <string>

#include "app/ServiceClient.h"
#include "platform/Host.h"

namespace lumora {

// The text and target of the ad link at the bottom of the main window.
struct AdLink {
    std::string caption;
    std::string target;
};

// Fetches the ad link ("getad": caption, comma, target, in UTF-8). Without an answer, tells the
// user, owned by `owner`, that the network may be down, and the caption is empty. The target
// stays `initialTarget` unless the reply names one. No reply within `deadline` is no answer.
AdLink FetchAdLink(const ServiceClient& service, const std::string& serviceUrl,
                   const std::string& initialTarget, Host& host, SurfaceId owner,
                   std::chrono::milliseconds deadline = kServiceDeadline);

}  // namespace lumora
