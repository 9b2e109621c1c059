// The autostart entry file: its text for awkward directories, what counts as present, and
// writing and removing it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "app/AutostartEntry.h"
#include "support/TempDir.h"

namespace lumora {
namespace {

TEST(AutostartEntryTest, EntryForADirectoryWithABlankAndChineseLetters) {
    EXPECT_EQ(*AutostartEntry::Contents("/home/李 雷/壁纸 程序"),
              "[Desktop Entry]\n"
              "Type=Application\n"
              "Name=Lumora\n"
              "Exec=\"/home/李 雷/壁纸 程序/lumo\"\n"
              "Terminal=false\n"
              "X-GNOME-Autostart-enabled=true\n");
}

TEST(AutostartEntryTest, ExecQuotesAndEscapesTheProgram) {
    struct Case {
        const char* program;
        const char* exec;
    };
    const Case cases[] = {
        {"/opt/lumora/lumo", R"("/opt/lumora/lumo")"},
        {"/a b/lumo", R"("/a b/lumo")"},
        {"/say \"hi\"/lumo", R"("/say \\"hi\\"/lumo")"},
        {"/back\\slash/lumo", R"("/back\\\\slash/lumo")"},
        {"/$HOME/`x`/lumo", R"("/\\$HOME/\\`x\\`/lumo")"},
        {"/100%/lumo", R"("/100%%/lumo")"},
        {"/it's; (x) & y|z/lumo", R"("/it's; (x) & y|z/lumo")"},
        {"/tab\there/lumo", R"("/tab\there/lumo")"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AutostartEntry::ExecValue(c.program), c.exec) << c.program;
}

TEST(AutostartEntryTest, NoEntryForADirectoryADesktopEntryCannotName) {
    EXPECT_FALSE(AutostartEntry::Contents("/opt/\xB1\xDA\xD6\xBD"));  // not UTF-8
    EXPECT_FALSE(AutostartEntry::Contents("/opt/\xC0\xAF"));          // overlong
    EXPECT_FALSE(AutostartEntry::Contents(std::string("/opt/a\x01")));
    EXPECT_TRUE(AutostartEntry::Contents("/opt/壁纸"));
}

// The desktop's own checker accepts the entries, awkward directories included.
TEST(AutostartEntryTest, EntriesPassDesktopFileValidate) {
    if (std::system("command -v desktop-file-validate >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "desktop-file-validate is not installed";
    test::TempDir dir;
    int n = 0;
    for (const char* appDir :
         {"/opt/lumora", "/home/李 雷/壁纸 程序", "/x/\"q\" $v `c` 100% \\b"}) {
        AutostartEntry entry((dir / ("e" + std::to_string(n++)) / "lumo.desktop").string());
        ASSERT_TRUE(entry.Write(appDir));
        const std::string command = "desktop-file-validate '" + entry.Path() + "' >/dev/null 2>&1";
        EXPECT_EQ(std::system(command.c_str()), 0) << appDir;
    }
}

TEST(AutostartEntryTest, WriteCreatesTheFolderAndReplacesTheFile) {
    test::TempDir dir;
    AutostartEntry entry((dir / "config/autostart/lumo.desktop").string());
    EXPECT_FALSE(entry.Present());
    ASSERT_TRUE(entry.Write("/opt/one"));
    EXPECT_TRUE(entry.Present());
    ASSERT_TRUE(entry.Write("/opt/two"));
    EXPECT_EQ(test::ReadFile(entry.Path()), *AutostartEntry::Contents("/opt/two"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir / "config/autostart"),
                            std::filesystem::directory_iterator()),
              1);

    EXPECT_TRUE(entry.Remove());
    EXPECT_FALSE(std::filesystem::exists(entry.Path()));
    EXPECT_TRUE(entry.Remove());

    AutostartEntry unknown("");
    EXPECT_FALSE(unknown.Present());
    EXPECT_FALSE(unknown.Write("/opt/one"));
}

TEST(AutostartEntryTest, AnEntryOfOtherDataIsLeftWhenItCannotBeWritten) {
    test::TempDir dir;
    AutostartEntry entry((dir / "autostart/lumo.desktop").string());
    EXPECT_FALSE(entry.Write("/opt/\xFF"));
    EXPECT_FALSE(std::filesystem::exists(entry.Path()));
    test::WriteFile(dir / "blocked", "");
    EXPECT_FALSE(AutostartEntry((dir / "blocked/lumo.desktop").string()).Write("/opt/one"));
}

}  // namespace
}  // namespace lumora
