#include <gtest/gtest.h>

#include "service/RequestLog.h"
#include "support/TempDir.h"

namespace lumora::service {
namespace {

TEST(RequestLogTest, LineIsPathAndRawQuery) {
    EXPECT_EQ(RequestLog::Line("/kavri/lm/lm.php", "op=getversion"),
              "/kavri/lm/lm.php?op=getversion");
    EXPECT_EQ(RequestLog::Line("/desk/", ""), "/desk/");
    EXPECT_EQ(
        RequestLog::Line("/kavri/lm/lm.php",
                         "op=getad&uid=4711&mac=00-1A-2B-3C-4D-5E%20&stype=runstart&version="),
        "/kavri/lm/lm.php?op=getad&uid=4711&mac=00-1A-2B-3C-4D-5E%20&stype=runstart&version=");
    EXPECT_EQ(RequestLog::Line("/a\nforged", "x=1\r\n"), "/a forged?x=1  ");
}

TEST(RequestLogTest, EachLineIsInTheFileAtOnceAndAppended) {
    test::TempDir dir;
    test::WriteFile(dir / "requests.log", "/earlier\n");
    RequestLog log((dir / "requests.log").string());
    ASSERT_TRUE(log.IsOpen());
    log.Write("/kavri/lm/lm.php", "op=getversion");
    EXPECT_EQ(test::ReadFile(dir / "requests.log"), "/earlier\n/kavri/lm/lm.php?op=getversion\n");
    log.Write("/kavri/lm/lm.php", "op=exit&uid=&mac=&stype=autostart&version=");
    EXPECT_EQ(test::ReadFile(dir / "requests.log"),
              "/earlier\n/kavri/lm/lm.php?op=getversion\n"
              "/kavri/lm/lm.php?op=exit&uid=&mac=&stype=autostart&version=\n");
}

TEST(RequestLogTest, UnwritablePathIsReported) {
    test::TempDir dir;
    RequestLog log((dir / "missing" / "requests.log").string());
    EXPECT_FALSE(log.IsOpen());
    log.Write("/x", "");
}

}  // namespace
}  // namespace lumora::service
