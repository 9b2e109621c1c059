#include <gtest/gtest.h>

#include "app/WebTarget.h"
#include "platform/headless/RecordingShell.h"

namespace lumora {
namespace {

TEST(WebTargetTest, OnlyWebPagesAreOpened) {
    struct Case {
        const char* url;
        bool opened;
    };
    const Case cases[] = {
        {"http://127.0.0.1:8470/", true},
        {"https://example.org/a?b=c", true},
        {"HTTP://EXAMPLE.ORG/", true},
        {"file:///etc/passwd", false},
        {"/usr/bin/xterm", false},
        {"javascript:alert(1)", false},
        {"ftp://host/file", false},
        {"httpx://host/", false},
        {"http", false},
        {" http://leading.blank/", false},
        {"", false},
    };
    for (const Case& c : cases) {
        RecordingShell shell;
        EXPECT_EQ(OpenWebTarget(shell, c.url), c.opened) << c.url;
        EXPECT_EQ(shell.openedUrls.size(), c.opened ? 1u : 0u) << c.url;
    }
}

TEST(WebTargetTest, AFailedOpenIsReported) {
    RecordingShell shell;
    shell.succeeds = false;
    EXPECT_FALSE(OpenWebTarget(shell, "http://host/"));
}

}  // namespace
}  // namespace lumora
