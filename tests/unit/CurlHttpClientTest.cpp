#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/linux/CurlHttpClient.h"
#include "support/LoopbackServer.h"

namespace lumora::test {

namespace {

struct Fetched {
    HttpResult result;
    std::string body;
};

Fetched Fetch(const std::string& url) {
    Fetched fetched;
    fetched.result = SystemHttpClient().Get(url, "serverassistant", [&](std::string_view piece) {
        fetched.body += piece;
        return true;
    });
    return fetched;
}

}  // namespace

TEST(CurlHttpClientTest, DeliversBodyStatusAndAgent) {
    LoopbackServer server;
    server.Reply("/ok", "1.0\r\n");
    server.Reply("/missing", "<html>gone</html>", 404);
    Fetched ok = Fetch(server.Url("/ok"));
    EXPECT_TRUE(ok.result.completed);
    EXPECT_EQ(ok.result.status, 200);
    EXPECT_EQ(ok.body, "1.0\r\n");
    Fetched missing = Fetch(server.Url("/missing"));
    EXPECT_TRUE(missing.result.completed);
    EXPECT_EQ(missing.result.status, 404);
    EXPECT_EQ(missing.body, "<html>gone</html>");
    ASSERT_EQ(server.Requests().size(), 2u);
    EXPECT_EQ(server.Requests()[0].userAgent, "serverassistant");
}

TEST(CurlHttpClientTest, FollowsRedirects) {
    LoopbackServer server;
    server.On("/old", [](const httplib::Request&, httplib::Response& response) {
        response.set_redirect("/new");
    });
    server.Reply("/new", "moved here");
    Fetched fetched = Fetch(server.Url("/old"));
    EXPECT_EQ(fetched.result.status, 200);
    EXPECT_EQ(fetched.body, "moved here");
}

TEST(CurlHttpClientTest, EncodesUnsafeCharactersOnTheWire) {
    struct Case {
        std::string query;
        std::string onWire;
    };
    const Case cases[] = {
        {"mac=00-1A-2B-3C-4D-5E &stype=runstart", "mac=00-1A-2B-3C-4D-5E%20&stype=runstart"},
        {"q=\xE5\xA3\x81", "q=%E5%A3%81"},
        {"q=%B1%DA&x=a\"b<c>{|}", "q=%B1%DA&x=a%22b%3Cc%3E%7B%7C%7D"},
        {"uid=a\tb", "uid=a%09b"},
    };
    LoopbackServer server;
    server.Reply("/s", "");
    for (const Case& c : cases) {
        Fetch(server.Url("/s?" + c.query));
        EXPECT_EQ(server.Requests().back().target, "/s?" + c.onWire);
    }
}

TEST(CurlHttpClientTest, RefusedConnectionIsNoResponse) {
    std::string url;
    {
        LoopbackServer closed;
        url = closed.Url("/x");
    }
    Fetched fetched = Fetch(url);
    EXPECT_FALSE(fetched.result.completed);
    EXPECT_EQ(fetched.result.status, 0);
    EXPECT_EQ(fetched.body, "");
}

TEST(CurlHttpClientTest, SinkCanAbortTransfer) {
    LoopbackServer server;
    server.Reply("/big", std::string(4 << 20, 'x'));
    size_t received = 0;
    HttpResult result =
        SystemHttpClient().Get(server.Url("/big"), "serverassistant", [&](std::string_view piece) {
            received += piece.size();
            return false;
        });
    EXPECT_FALSE(result.completed);
    EXPECT_EQ(result.status, 200);
    EXPECT_LT(received, size_t{4 << 20});
}

}  // namespace lumora::test
