#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "app/ClientIdentity.h"
#include "platform/UserFiles.h"
#include "platform/headless/FixedNetworkAdapters.h"
#include "support/ScopedEnv.h"
#include "support/TempDir.h"

namespace lumora::test {

TEST(ClientIdentityTest, ReadClientId) {
    struct Case {
        const char* name;
        std::optional<std::string> file;
        std::string id;
    };
    const Case cases[] = {
        {"no file", std::nullopt, ""},
        {"empty file", "", ""},
        {"first line only", "4711\nsecond\n", "4711"},
        {"windows line end", "4711\r\n", "4711"},
        {"no line end", "abc-123", "abc-123"},
        {"up to a zero byte", std::string("ab\0cd\n", 6), "ab"},
        {"255 bytes fit", std::string(255, 'i') + "\n", std::string(255, 'i')},
        {"256 bytes are too long", std::string(256, 'i') + "\n", ""},
    };
    for (const Case& c : cases) {
        TempDir dir;
        if (c.file) {
            WriteFile(dir / "id", *c.file);
        }
        EXPECT_EQ(ReadClientId((dir / "id").string()), c.id) << c.name;
    }
}

TEST(ClientIdentityTest, IdFileLivesInUserConfigDirectory) {
    {
        ScopedEnv config("XDG_CONFIG_HOME", "/cfg");
        EXPECT_EQ(ClientIdFilePath(), "/cfg/lumora/id");
    }
    ScopedEnv home("HOME", "/home/u");
    ScopedEnv relative("XDG_CONFIG_HOME", "relative");
    EXPECT_EQ(ClientIdFilePath(), "/home/u/.config/lumora/id");

    TempDir dir;
    std::filesystem::create_directories(dir / "lumora");
    WriteFile(dir / "lumora" / "id", "u-42\n");
    ScopedEnv config("XDG_CONFIG_HOME", dir.Path().c_str());
    EXPECT_EQ(ReadClientId(), "u-42");
}

TEST(ClientIdentityTest, AdapterAddressIsTheLastListed) {
    FixedNetworkAdapters none;
    EXPECT_EQ(GetAdapterAddress(none), "");
    FixedNetworkAdapters two(
        {{0x00, 0x1a, 0x2b, 0x3c, 0x4d, 0x5e}, {0xde, 0xad, 0x0b, 0xef, 0x00, 0x01}});
    EXPECT_EQ(GetAdapterAddress(two), "DE-AD-0B-EF-00-01 ");
}

TEST(ClientIdentityTest, StartType) {
    EXPECT_EQ(StartType("/opt/lumora", "/opt/lumora"), "runstart");
    EXPECT_EQ(StartType("/opt/Lumora", "/opt/lumora"), "autostart");
    EXPECT_EQ(StartType("/opt/lumora/", "/opt/lumora"), "autostart");
    EXPECT_EQ(StartType("/home/u", "/opt/lumora"), "autostart");
}

// Once the identity is set up, requests carry the report with the values just read.
TEST(ClientIdentityTest, SetUpFillsTheReportValues) {
    TempDir dir;
    WriteFile(dir / "id", "4711\n");
    FixedNetworkAdapters adapters({{0x00, 0x1a, 0x2b, 0x3c, 0x4d, 0x5e}});
    ProcessStrings strings;
    SetUpClientIdentity(strings, (dir / "id").string(), adapters, "/opt/lumora", "/opt/lumora");
    EXPECT_EQ(strings.clientId, "4711");
    EXPECT_EQ(strings.adapterAddress, "00-1A-2B-3C-4D-5E ");
    EXPECT_EQ(strings.startType, "runstart");
    EXPECT_EQ(strings.reportVersion, "");
}

}  // namespace lumora::test
