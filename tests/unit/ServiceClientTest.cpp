#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/ServiceClient.h"
#include "app/VersionCheck.h"
#include "support/LoopbackServer.h"

namespace lumora::test {

namespace {

// Delivers a body in the pieces given, as a transport may.
class PiecewiseHttpClient : public HttpClient {
public:
    PiecewiseHttpClient(std::vector<std::string> pieces, HttpResult result)
        : m_pieces(std::move(pieces)), m_result(result) {}
    HttpResult Get(const std::string&, const std::string&, const BodySink& sink, const HttpLimits&,
                   const std::atomic<bool>*) override {
        for (const std::string& piece : m_pieces) {
            if (!sink(piece)) {
                return {false, m_result.status};
            }
        }
        return m_result;
    }

private:
    std::vector<std::string> m_pieces;
    HttpResult m_result;
};

ProcessStrings Reporting(std::string clientId, std::string address, std::string startType) {
    ProcessStrings strings;
    strings.clientId = std::move(clientId);
    strings.adapterAddress = std::move(address);
    strings.startType = std::move(startType);
    return strings;
}

// The strings of a process whose main window does not exist yet: no usage report.
const ProcessStrings kNoReport;

}  // namespace

TEST(ServiceClientTest, UsageReportOnlyOnceStartTypeIsSet) {
    const std::string url = "http://h/kavri/lm/lm.php?op=getad";
    const ProcessStrings before;
    EXPECT_EQ(ServiceClient(SystemHttpClient(), before).WithUsageReport(url), url);
    const ProcessStrings running = Reporting("4711", "00-1A-2B-3C-4D-5E ", "runstart");
    EXPECT_EQ(ServiceClient(SystemHttpClient(), running).WithUsageReport(url),
              url + "&uid=4711&mac=00-1A-2B-3C-4D-5E &stype=runstart&version=");
    const ProcessStrings autostarted = Reporting("", "", "autostart");
    EXPECT_EQ(ServiceClient(SystemHttpClient(), autostarted).WithUsageReport(url),
              url + "&uid=&mac=&stype=autostart&version=");
}

TEST(ServiceClientTest, RequestOnTheWire) {
    LoopbackServer server;
    server.Reply("/kavri/lm/lm.php", "ok");
    ProcessStrings strings = Reporting("4711", "00-1A-2B-3C-4D-5E ", "runstart");
    ServiceClient service(SystemHttpClient(), strings);
    EXPECT_EQ(
        service.HttpGetText(ServiceClient::OperationUrl(server.Url("/kavri/lm/lm.php"), "getad")),
        "ok");
    ASSERT_EQ(server.Requests().size(), 1u);
    EXPECT_EQ(
        server.Requests()[0].target,
        "/kavri/lm/lm.php?op=getad&uid=4711&mac=00-1A-2B-3C-4D-5E%20&stype=runstart&version=");
    EXPECT_EQ(server.Requests()[0].userAgent, "serverassistant");
}

TEST(ServiceClientTest, OnlySuccessfulRepliesCount) {
    struct Case {
        std::string body;
        int status;
        std::string reply;
    };
    const Case cases[] = {
        {"1.0", 200, "1.0"},
        {"", 200, ""},
        {"<html>not found</html>", 404, ""},
        {"<html>broken</html>", 500, ""},
    };
    LoopbackServer server;
    ServiceClient service(SystemHttpClient(), kNoReport);
    for (const Case& c : cases) {
        server.Reply("/s", c.body, c.status);
        EXPECT_EQ(service.HttpGetText(server.Url("/s")), c.reply) << c.status << " " << c.body;
    }
    server.On("/moved", [](const httplib::Request&, httplib::Response& response) {
        response.set_redirect("/s");
    });
    server.Reply("/s", "there");
    EXPECT_EQ(service.HttpGetText(server.Url("/moved")), "there");
}

TEST(ServiceClientTest, RefusedConnectionIsNoAnswer) {
    std::string url;
    {
        LoopbackServer closed;
        url = closed.Url("/s");
    }
    EXPECT_EQ(ServiceClient(SystemHttpClient(), kNoReport).HttpGetText(url), "");
}

TEST(ServiceClientTest, ZeroByteDropsRestOfItsBlock) {
    const std::string block1 =
        "ab" + std::string(1, '\0') + "cd" + std::string(1018, 'x');  // 1023 bytes
    const std::string block2 = "tail";
    struct Case {
        const char* name;
        std::vector<std::string> pieces;
        std::string reply;
    };
    const Case cases[] = {
        {"one piece", {block1 + block2}, "abtail"},
        {"pieces across blocks",
         {block1.substr(0, 1), block1.substr(1, 700), block1.substr(701) + "ta", "il"},
         "abtail"},
        {"zero at a block start",
         {std::string(1023, 'y') + std::string(1, '\0') + "z"},
         std::string(1023, 'y')},
        {"zero in the last short block", {"1.0" + std::string(1, '\0') + "junk"}, "1.0"},
    };
    for (const Case& c : cases) {
        PiecewiseHttpClient http(c.pieces, {true, 200});
        EXPECT_EQ(ServiceClient(http, kNoReport).HttpGetText("http://h/"), c.reply) << c.name;
    }
    // The same over a real connection.
    LoopbackServer server;
    server.Reply("/zero", block1 + block2);
    EXPECT_EQ(ServiceClient(SystemHttpClient(), kNoReport).HttpGetText(server.Url("/zero")),
              "abtail");
}

TEST(ServiceClientTest, BrokenOffReplyKeepsWhatArrived) {
    PiecewiseHttpClient http({"1.", "0"}, {false, 200});
    EXPECT_EQ(ServiceClient(http, kNoReport).HttpGetText("http://h/"), "1.0");
}

TEST(ServiceClientTest, ReplyIsCutAtOneMebibyte) {
    LoopbackServer server;
    server.Reply("/huge", std::string(3 << 20, 'x'));
    EXPECT_EQ(ServiceClient(SystemHttpClient(), kNoReport).HttpGetText(server.Url("/huge")).size(),
              kMaxReplyBytes);
}

TEST(VersionCheckTest, Outcomes) {
    struct Case {
        std::string body;
        int status;
        VersionOutcome outcome;
    };
    const Case cases[] = {
        {" 1.0\r\n", 200, VersionOutcome::SameVersion},
        {"\xE3\x80\x80"
         "1.0",
         200, VersionOutcome::SameVersion},
        {"0.9", 200, VersionOutcome::OtherVersion},
        {"1.0 beta", 200, VersionOutcome::OtherVersion},
        {"1.00", 200, VersionOutcome::OtherVersion},
        {"", 200, VersionOutcome::NoAnswer},
        {"1.1", 404, VersionOutcome::NoAnswer},
    };
    LoopbackServer server;
    ServiceClient service(SystemHttpClient(), kNoReport);
    for (const Case& c : cases) {
        server.Reply("/lm.php", c.body, c.status);
        EXPECT_EQ(CheckVersion(service, server.Url("/lm.php"), "1.0"), c.outcome)
            << "'" << c.body << "' " << c.status;
    }
    EXPECT_EQ(server.Requests().back().target, "/lm.php?op=getversion");

    std::string refused;
    {
        LoopbackServer closed;
        refused = closed.Url("/lm.php");
    }
    EXPECT_EQ(CheckVersion(service, refused, "1.0"), VersionOutcome::NoAnswer);
}

}  // namespace lumora::test
