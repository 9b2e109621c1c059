#include "platform/linux/CurlHttpClient.h"

#include <curl/curl.h>

#include <algorithm>
#include <memory>

namespace lumora {

namespace {

constexpr long kMaxRedirects = 10;

struct Transfer {
    const HttpClient::BodySink* sink;
    const std::atomic<bool>* abandon;
};

// Called about once a second even while nothing arrives, so an abandoned transfer on a stalled
// connection ends without waiting for the stall time-out.
int OnProgress(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    auto* transfer = static_cast<Transfer*>(user);
    return transfer->abandon != nullptr && transfer->abandon->load() ? 1 : 0;
}

size_t OnBody(char* data, size_t size, size_t count, void* user) {
    auto* transfer = static_cast<Transfer*>(user);
    size_t length = size * count;
    if ((transfer->abandon != nullptr && transfer->abandon->load()) ||
        !(*transfer->sink)(std::string_view(data, length))) {
        return CURL_WRITEFUNC_ERROR;
    }
    return length;
}

struct CurlDeleter {
    void operator()(CURL* handle) const { curl_easy_cleanup(handle); }
};

}  // namespace

CurlHttpClient::CurlHttpClient() {
    // Done once per process, before any handle exists.
    static const bool initialised = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    (void)initialised;
}

std::string CurlHttpClient::EncodeForWire(const std::string& url) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    static constexpr std::string_view kUnsafe = "\"<>\\^`{|}";
    std::string wire;
    wire.reserve(url.size());
    for (char c : url) {
        auto byte = static_cast<unsigned char>(c);
        if (byte <= 0x20 || byte >= 0x7F || kUnsafe.find(c) != std::string_view::npos) {
            wire += '%';
            wire += kHex[byte >> 4];
            wire += kHex[byte & 0x0F];
        } else {
            wire += c;
        }
    }
    return wire;
}

HttpResult CurlHttpClient::Get(const std::string& url, const std::string& userAgent,
                               const BodySink& sink, const HttpLimits& limits,
                               const std::atomic<bool>* abandon) {
    HttpResult result;
    std::unique_ptr<CURL, CurlDeleter> handle(curl_easy_init());
    if (!handle) {
        return result;
    }
    CURL* curl = handle.get();
    std::string wire = EncodeForWire(url);
    Transfer transfer{&sink, abandon};
    // libcurl takes the proxies from http_proxy, https_proxy, all_proxy and no_proxy by itself.
    // It keeps no cache, so nothing of a reply is stored.
    curl_easy_setopt(curl, CURLOPT_URL, wire.c_str());
    curl_easy_setopt(curl, CURLOPT_USERAGENT, userAgent.c_str());
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(curl, CURLOPT_MAXREDIRS, kMaxRedirects);
    // The speed bound is checked by libcurl once a second over whole seconds; a window shorter
    // than a second still gets one.
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(limits.connect.count()));
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, static_cast<long>(limits.total.count()));
    if (limits.minimumBytesPerSecond > 0 && limits.speedWindow.count() > 0) {
        curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, limits.minimumBytesPerSecond);
        curl_easy_setopt(
            curl, CURLOPT_LOW_SPEED_TIME,
            std::max(1L, static_cast<long>((limits.speedWindow.count() + 999) / 1000)));
    }
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, OnBody);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &transfer);
    if (abandon != nullptr) {
        curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, OnProgress);
        curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &transfer);
        curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    }

    CURLcode code = curl_easy_perform(curl);
    long status = 0;
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
    result.status = status;
    result.completed = code == CURLE_OK;
    // Both the deadline and the speed bound end a transfer this way.
    result.limited = code == CURLE_OPERATION_TIMEDOUT;
    return result;
}

HttpClient& SystemHttpClient() {
    static CurlHttpClient client;
    return client;
}

}  // namespace lumora
