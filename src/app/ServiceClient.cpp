#include "app/ServiceClient.h"

#include <algorithm>
#include <cstring>

namespace lumora {

namespace {

constexpr std::string_view kUserAgent = "serverassistant";
// The reply was read into a zero-filled 1024-byte buffer, 1023 bytes at a time, and each read
// was appended as a C string. Blocks of the body keep that rule whatever sizes the transport
// delivers the body in.
constexpr size_t kBlockBytes = 1023;

class ReplyCollector {
public:
    // Takes the next piece of the body; false once the reply is full.
    bool Take(std::string_view piece) {
        while (!piece.empty()) {
            if (m_consumed >= kMaxReplyBytes) {
                return false;
            }
            size_t room =
                std::min({kBlockBytes - m_block.size(), piece.size(), kMaxReplyBytes - m_consumed});
            m_block.append(piece.substr(0, room));
            m_consumed += room;
            piece.remove_prefix(room);
            if (m_block.size() == kBlockBytes) {
                Flush();
            }
        }
        return m_consumed < kMaxReplyBytes;
    }

    std::string Finish() {
        Flush();
        return std::move(m_text);
    }

private:
    void Flush() {
        m_text.append(m_block, 0, std::min(m_block.size(), std::strlen(m_block.c_str())));
        m_block.clear();
    }

    std::string m_text;
    std::string m_block;
    size_t m_consumed = 0;
};

}  // namespace

ServiceClient::ServiceClient(HttpClient& http, const ProcessStrings& strings)
    : m_http(http), m_strings(strings) {}

std::string ServiceClient::WithUsageReport(const std::string& url) const {
    if (m_strings.startType.empty()) {
        return url;
    }
    return url + "&uid=" + m_strings.clientId + "&mac=" + m_strings.adapterAddress +
           "&stype=" + m_strings.startType + "&version=" + m_strings.reportVersion;
}

std::string ServiceClient::HttpGetText(const std::string& url,
                                       std::chrono::milliseconds deadline) const {
    ReplyCollector collector;
    HttpLimits limits;
    limits.connect = std::min(limits.connect, deadline);
    limits.total = deadline;
    HttpResult result = m_http.Get(
        WithUsageReport(url), std::string(kUserAgent),
        [&](std::string_view piece) { return collector.Take(piece); }, limits);
    std::string text = collector.Finish();
    // A reply that broke off keeps what arrived; an error page is no answer, and neither is
    // the part of a reply that was still arriving when the deadline came: "1." of a dripped
    // "1.0" would read as another version.
    if (result.limited || result.status < 200 || result.status > 299) {
        return {};
    }
    return text;
}

std::string ServiceClient::OperationUrl(const std::string& serviceUrl, std::string_view op) {
    return serviceUrl + "?op=" + std::string(op);
}

std::string HttpGetText(const std::string& url) { return ServiceClient().HttpGetText(url); }

}  // namespace lumora
