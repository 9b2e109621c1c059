#pragma once

#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <string_view>

namespace lumora {

// What became of one GET request.
struct HttpResult {
    bool completed = false;  // a response arrived and its whole body was read
    long status = 0;         // the HTTP status code, 0 when no response arrived
    bool limited = false;    // ended by one of its HttpLimits
};

// How long one request may take. A request that runs into a bound ends as an incomplete one.
// A zero duration leaves that bound out (connecting then has libcurl's own bound of 300 s).
struct HttpLimits {
    std::chrono::milliseconds connect{15'000};
    // From the start of the request to the last byte of the body, connecting included.
    std::chrono::milliseconds total{0};
    // Fewer than `minimumBytesPerSecond` bytes a second for the whole `speedWindow` (headers
    // included) give the request up.
    long minimumBytesPerSecond = 1;
    std::chrono::milliseconds speedWindow{30'000};
};

// Port to the system's HTTP client. One request at a time, blocking, no cache writes, proxies
// as the environment sets them, redirects followed (to http and https only), within limits.
class HttpClient {
public:
    // Receives the body in the pieces it arrives in; returning false aborts the transfer.
    using BodySink = std::function<bool(std::string_view piece)>;

    virtual ~HttpClient() = default;
    // Fetches `url` within `limits`. `abandon`, when given, is watched during the whole
    // transfer, also while no data arrives: once it is set the transfer ends soon as an
    // incomplete one. A client that has no clock of its own (a test double) may ignore the
    // limits.
    virtual HttpResult Get(const std::string& url, const std::string& userAgent,
                           const BodySink& sink, const HttpLimits& limits = {},
                           const std::atomic<bool>* abandon = nullptr) = 0;
};

// The libcurl client the program uses.
HttpClient& SystemHttpClient();

}  // namespace lumora
