// Any reply to "getad", delivered in any pieces with any status: the ad link is always made,
// its caption is well-formed UTF-8 without a comma, and an empty answer is told to the user.
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "app/AdLink.h"
#include "app/ServiceClient.h"
#include "base/Utf8.h"
#include "platform/HttpClient.h"
#include "platform/headless/HeadlessHost.h"

namespace {

constexpr long kStatuses[] = {200, 204, 206, 299, 301, 404, 500, 0};

// Replays the fuzzer's bytes as the service's answer: the first byte picks the status, the
// second the size of the pieces the body arrives in.
class ReplayedReply : public lumora::HttpClient {
public:
    ReplayedReply(long status, size_t pieceSize, std::string_view body)
        : m_status(status), m_pieceSize(pieceSize), m_body(body) {}

    lumora::HttpResult Get(const std::string&, const std::string&, const BodySink& sink,
                           const lumora::HttpLimits&, const std::atomic<bool>*) override {
        for (std::string_view rest = m_body; !rest.empty();) {
            const std::string_view piece = rest.substr(0, m_pieceSize);
            rest.remove_prefix(piece.size());
            if (!sink(piece)) return {false, m_status};
        }
        return {m_status != 0, m_status};
    }

private:
    long m_status;
    size_t m_pieceSize;
    std::string_view m_body;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    if (size < 2) return 0;
    const long status = kStatuses[data[0] % std::size(kStatuses)];
    const size_t pieceSize = 1 + data[1] * 7;
    const std::string_view body(reinterpret_cast<const char*>(data) + 2, size - 2);

    ReplayedReply http(status, pieceSize, body);
    const lumora::ProcessStrings strings;
    const lumora::ServiceClient service(http, strings);
    lumora::HeadlessHost host;
    const lumora::AdLink link =
        lumora::FetchAdLink(service, "http://service/lm.php", "http://site/", host, 7);

    if (link.caption.find(',') != std::string::npos || !lumora::IsWellFormedUtf8(link.caption)) {
        std::abort();
    }
    if (!lumora::IsWellFormedUtf8(link.target)) std::abort();
    const bool answered = !service.HttpGetText("http://service/lm.php?op=getad").empty();
    if (host.messageBoxes.size() != (answered ? 0u : 1u)) std::abort();
    if (!answered && (!link.caption.empty() || link.target != "http://site/")) std::abort();
    return 0;
}
