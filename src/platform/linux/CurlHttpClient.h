#pragma once

#include "platform/HttpClient.h"

namespace lumora {

// HttpClient over libcurl. Each request uses a handle of its own, so no connection outlives it.
class CurlHttpClient : public HttpClient {
public:
    CurlHttpClient();
    HttpResult Get(const std::string& url, const std::string& userAgent, const BodySink& sink,
                   const HttpLimits& limits, const std::atomic<bool>* abandon) override;

    // The URL as it goes on the wire: bytes that may not stand in a URL (controls, the blank,
    // non-ASCII bytes, and " < > \ ^ ` { | }) become %XX; everything else, "%" included, stays.
    static std::string EncodeForWire(const std::string& url);
};

}  // namespace lumora
