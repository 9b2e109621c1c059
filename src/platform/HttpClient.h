#pragma once

#include <atomic>
#include <functional>
#include <string>
#include <string_view>

namespace lumora {

// What became of one GET request.
struct HttpResult {
    bool completed = false;  // a response arrived and its whole body was read
    long status = 0;         // the HTTP status code, 0 when no response arrived
};

// Port to the system's HTTP client. One request at a time, blocking, no cache writes, proxies
// as the environment sets them, redirects followed, connect and stall time-outs.
class HttpClient {
public:
    // Receives the body in the pieces it arrives in; returning false aborts the transfer.
    using BodySink = std::function<bool(std::string_view piece)>;

    virtual ~HttpClient() = default;
    // `abandon`, when given, is watched during the whole transfer, also while no data arrives:
    // once it is set the transfer ends soon as an incomplete one.
    virtual HttpResult Get(const std::string& url, const std::string& userAgent,
                           const BodySink& sink, const std::atomic<bool>* abandon = nullptr) = 0;
};

// The libcurl client the program uses.
HttpClient& SystemHttpClient();

}  // namespace lumora
