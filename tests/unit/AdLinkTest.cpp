#include <gtest/gtest.h>

#include <string>

#include "app/AdLink.h"
#include "platform/headless/HeadlessHost.h"
#include "support/LoopbackServer.h"

namespace lumora::test {

TEST(AdLinkTest, ReplyBecomesCaptionAndTarget) {
    struct Case {
        std::string reply;
        int status;
        std::string caption;
        std::string target;
    };
    const std::string initial = "http://site/";
    const Case cases[] = {
        {"精美壁纸,http://ads/x?a=1", 200, "精美壁纸", "http://ads/x?a=1"},
        {"no comma at all", 200, "no comma at all", initial},
        {"a,,b", 200, "a", ""},
        {"cap,t1,t2", 200, "cap", "t1"},
        {"bad\xFF"
         "byte,http://t/",
         200, "bad?byte", "http://t/"},
        {"<html>404</html>", 404, "", initial},
        {"", 200, "", initial},
    };
    LoopbackServer server;
    ProcessStrings strings;
    ServiceClient service(SystemHttpClient(), strings);
    for (const Case& c : cases) {
        HeadlessHost host;
        server.Reply("/lm.php", c.reply, c.status);
        AdLink link = FetchAdLink(service, server.Url("/lm.php"), initial, host, 5);
        EXPECT_EQ(link.caption, c.caption) << c.reply;
        EXPECT_EQ(link.target, c.target) << c.reply;
        EXPECT_EQ(server.Requests().back().target, "/lm.php?op=getad");
        if (c.caption.empty()) {
            ASSERT_EQ(host.messageBoxes.size(), 1u) << c.reply;
            EXPECT_EQ(host.messageBoxes[0].text, "您的网络可能没有接上，请检查网络！");
            EXPECT_EQ(host.messageBoxes[0].caption, "Lumora");
            EXPECT_EQ(host.messageBoxes[0].style, MessageBoxStyle{});
            EXPECT_EQ(host.messageBoxes[0].owner, 5u);
        } else {
            EXPECT_TRUE(host.messageBoxes.empty()) << c.reply;
        }
    }
}

}  // namespace lumora::test
