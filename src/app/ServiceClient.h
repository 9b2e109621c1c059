#pragma once

#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>

#include "app/ProcessStrings.h"
#include "platform/HttpClient.h"

namespace lumora {

// Replies beyond this size are cut: the service sends short texts, and a runaway body must not
// fill the memory.
inline constexpr size_t kMaxReplyBytes = size_t{1} << 20;

// How long one service request may take in all, connecting included.
inline constexpr std::chrono::milliseconds kServiceDeadline{15'000};

// The deadlines of the program's service requests. The ones the user waits on, before the
// window appears or before the program ends, get a few seconds, so a dead or dripping service
// never holds either up for long.
struct ServiceDeadlines {
    std::chrono::milliseconds startup{3'000};  // getversion at start, getad before the window shows
    std::chrono::milliseconds interactive = kServiceDeadline;  // getversion from the tray menu
    std::chrono::milliseconds exit{3'000};
};

// GET requests to the maker's service, whose replies are read whole as text.
class ServiceClient {
public:
    explicit ServiceClient(HttpClient& http = SystemHttpClient(),
                           const ProcessStrings& strings = Strings());
    // The strings are read at every request, so they must outlive the client.
    ServiceClient(HttpClient& http, const ProcessStrings&& strings) = delete;

    // The reply body of a GET of `url`, with the usage report appended once the start type is
    // set. Empty when no response came or its status is not 2xx. The body is taken in blocks
    // of 1023 bytes of which each keeps only what precedes its first zero byte. Empty too when
    // the request runs past `deadline` (or stalls below 1 byte/s for 30 s).
    std::string HttpGetText(const std::string& url,
                            std::chrono::milliseconds deadline = kServiceDeadline) const;

    // `url` with the usage report when the start type is set: the values go in as they are
    // held (the transport escapes what a URL cannot carry).
    std::string WithUsageReport(const std::string& url) const;

    // The service script URL with "?op=" and the operation.
    static std::string OperationUrl(const std::string& serviceUrl, std::string_view op);

private:
    HttpClient& m_http;
    const ProcessStrings& m_strings;
};

// The program's own requests: the system HTTP client and the process-wide strings.
std::string HttpGetText(const std::string& url);

}  // namespace lumora
