#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "app/Config.h"
#include "app/IniDocument.h"
#include "support/TempDir.h"

namespace lumora::test {

namespace {

struct StringCase {
    const char* name;
    std::string file;  // conf.ini content; "<none>" for no file at all
    const char* key;
    std::string expected;
};

const std::string kLong300(300, 'u');
// 258 ASCII bytes, then a three-byte character that would straddle the 259-byte cut.
const std::string kStraddling = std::string(258, 'a') + "\xE5\xA3\x81" + "tail";

}  // namespace

TEST(ConfigTest, ReadStringCases) {
    const StringCase cases[] = {
        {"no file gives the default", "<none>", "version", "1.0"},
        {"key missing gives the default", "[MAIN]\nLURL=x\n", "version", "1.0"},
        {"section and key ignore case", "[main]\nVERSION=2.5\n", "version", "2.5"},
        {"blanks around names and value go", "  [ MAIN ]  \n  version =  3.0  \n", "version",
         "3.0"},
        {"other sections do not count", "[OTHER]\nversion=9\n[MAIN]\nLURL=x\n", "version", "1.0"},
        {"first of two keys wins", "[MAIN]\nversion=1\nversion=2\n", "version", "1"},
        {"comment lines are skipped", "[MAIN]\n;version=7\nversion=8\n", "version", "8"},
        {"windows line ends", "[MAIN]\r\nversion=4.0\r\nAUTO=1\r\n", "version", "4.0"},
        {"CR-only line ends", "[MAIN]\rAUTO=1\rversion=6.0\rLURL=x\r", "version", "6.0"},
        {"last line ends in a lone CR", "[MAIN]\nversion=7.0\r", "version", "7.0"},
        {"byte order mark before the section", "\xEF\xBB\xBF[MAIN]\nversion=5\n", "version", "5"},
        {"empty value is a value", "[MAIN]\nversion=\n", "version", ""},
        {"a value may hold '='", "[MAIN]\nSURL=http://h/?a=1&q=\n", "SURL", "http://h/?a=1&q="},
        {"UTF-8 value kept", "[MAIN]\nSCML=/home/u/壁纸\n", "SCML", "/home/u/壁纸"},
        {"long value cut at 259 bytes", "[MAIN]\nSURL=" + kLong300 + "\n", "SURL",
         kLong300.substr(0, 259)},
        {"cut never splits a character", "[MAIN]\nSURL=" + kStraddling + "\n", "SURL",
         std::string(258, 'a')},
    };
    for (const StringCase& c : cases) {
        TempDir dir;
        if (c.file != "<none>") {
            WriteFile(dir / "conf.ini", c.file);
        }
        Config config((dir / "conf.ini").string());
        EXPECT_EQ(config.ReadString(c.key, "1.0"), c.expected) << c.name;
    }
}

TEST(ConfigTest, LongDefaultIsCutToo) {
    TempDir dir;
    Config config((dir / "conf.ini").string());
    EXPECT_EQ(config.ReadString("SURL", kLong300), kLong300.substr(0, 259));
}

TEST(ConfigTest, ReadIntCases) {
    struct Case {
        const char* line;  // nullptr: no such key
        int expected;
    };
    const Case cases[] = {
        {nullptr, 7},
        {"AUTO=2", 2},
        {"AUTO=0", 0},
        {"AUTO=-3", -3},
        {"AUTO=12abc", 12},
        {"AUTO=abc", 0},
        {"AUTO=", 0},
        {"AUTO= 5 ", 5},
        {"AUTO=+4", 4},
        {"AUTO=99999999999", 2147483647},
        {"AUTO=-99999999999", -2147483647 - 1},
    };
    for (const Case& c : cases) {
        TempDir dir;
        WriteFile(dir / "conf.ini",
                  std::string("[MAIN]\n") + (c.line ? c.line : "YCTASK=1") + "\n");
        EXPECT_EQ(Config((dir / "conf.ini").string()).ReadInt("auto", 7), c.expected)
            << (c.line ? c.line : "missing");
    }
}

TEST(ConfigTest, FirstWriteCreatesFileAndSection) {
    TempDir dir;
    Config config((dir / "conf.ini").string());
    ASSERT_TRUE(config.WriteInt("AUTOTIME", 3));
    EXPECT_EQ(ReadFile(dir / "conf.ini"), "[MAIN]\nAUTOTIME=3\n");
    EXPECT_EQ(config.ReadInt("AUTOTIME", 1), 3);
}

TEST(ConfigTest, WritesEditInPlace) {
    struct Case {
        const char* name;
        std::string before;
        const char* key;
        const char* value;
        std::string after;
    };
    const Case cases[] = {
        {"existing key replaced, spelling kept", "[MAIN]\nAuto = 1\nLCLINDEX=4\n", "AUTO", "0",
         "[MAIN]\nAuto=0\nLCLINDEX=4\n"},
        {"new key joins its section", "[main]\nAUTO=1\n\n[OTHER]\nx=1\n", "LCLINDEX", "5",
         "[main]\nAUTO=1\nLCLINDEX=5\n\n[OTHER]\nx=1\n"},
        {"section added after others", "; comment\n[OTHER]\nx=1", "SCML", "/p",
         "; comment\n[OTHER]\nx=1\n[MAIN]\nSCML=/p\n"},
        {"windows line ends kept", "[MAIN]\r\nAUTO=1\r\n", "YCTASK", "0",
         "[MAIN]\r\nAUTO=1\r\nYCTASK=0\r\n"},
        {"CR-only line ends kept", "[MAIN]\rAUTO=1\r", "AUTO", "0", "[MAIN]\rAUTO=0\r"},
        {"key in another section untouched", "[OTHER]\nAUTO=1\n[MAIN]\n", "AUTO", "-2",
         "[OTHER]\nAUTO=1\n[MAIN]\nAUTO=-2\n"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        WriteFile(dir / "conf.ini", c.before);
        EXPECT_TRUE(Config((dir / "conf.ini").string()).Write(c.key, c.value)) << c.name;
        EXPECT_EQ(ReadFile(dir / "conf.ini"), c.after) << c.name;
    }
}

TEST(ConfigTest, ValueWithLineBreakIsRefusedAndFileKept) {
    TempDir dir;
    WriteFile(dir / "conf.ini", "[MAIN]\nSCML=/old\n");
    Config config((dir / "conf.ini").string());
    EXPECT_FALSE(config.Write("SCML", "/new\n[MAIN]\nAUTO=0"));
    EXPECT_EQ(ReadFile(dir / "conf.ini"), "[MAIN]\nSCML=/old\n");
}

TEST(ConfigTest, KeysThatCouldNotBeReadBackAreRefused) {
    TempDir dir;
    const std::string before = "[MAIN]\nAUTO=1\n";
    WriteFile(dir / "conf.ini", before);
    Config config((dir / "conf.ini").string());
    for (const char* key : {" AUTO", "AUTO ", "\tAUTO", "AU\tTO", ";AUTO", "[AUTO", "A=B", ""}) {
        SCOPED_TRACE(std::string("'") + key + "'");
        EXPECT_FALSE(config.Write(key, "0"));
        EXPECT_EQ(ReadFile(dir / "conf.ini"), before);
    }
    // Inner blanks and other signs read back as written.
    ASSERT_TRUE(config.Write("A B;[x]", "2"));
    EXPECT_EQ(config.ReadInt("A B;[x]", 0), 2);
}

// Two processes that write different keys at the same time lose none of them.
TEST(ConfigTest, WritersExcludeEachOther) {
    constexpr int kKeys = 60;
    TempDir dir;
    const std::string path = (dir / "conf.ini").string();
    pid_t writers[2];
    for (int w = 0; w < 2; ++w) {
        writers[w] = fork();
        ASSERT_GE(writers[w], 0);
        if (writers[w] == 0) {
            Config config(path);
            bool ok = true;
            for (int i = 0; i < kKeys; ++i) {
                ok = config.WriteInt("W" + std::to_string(w) + "_" + std::to_string(i), i) && ok;
            }
            _exit(ok ? 0 : 1);
        }
    }
    for (pid_t writer : writers) {
        int status = 0;
        waitpid(writer, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    Config config(path);
    int missing = 0;
    for (int w = 0; w < 2; ++w) {
        for (int i = 0; i < kKeys; ++i) {
            missing += config.ReadInt("W" + std::to_string(w) + "_" + std::to_string(i), -1) != i;
        }
    }
    EXPECT_EQ(missing, 0);
}

TEST(ConfigTest, FailedWritesLeaveNoTrace) {
    TempDir dir;
    // The directory of the file is missing: nothing can be created.
    EXPECT_FALSE(Config((dir / "absent" / "conf.ini").string()).WriteInt("AUTO", 0));
    // A path that cannot be read as a file is not replaced.
    std::filesystem::create_directory(dir / "conf.ini");
    EXPECT_FALSE(Config((dir / "conf.ini").string()).WriteInt("AUTO", 0));
    EXPECT_TRUE(std::filesystem::is_directory(dir / "conf.ini"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

TEST(ConfigTest, WriteKeepsPermissionsAndFollowsLink) {
    TempDir dir;
    WriteFile(dir / "real.ini", "[MAIN]\nAUTO=1\n");
    chmod((dir / "real.ini").c_str(), 0640);
    std::filesystem::create_symlink(dir / "real.ini", dir / "conf.ini");
    ASSERT_TRUE(Config((dir / "conf.ini").string()).WriteInt("AUTO", 0));
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "conf.ini"));
    EXPECT_EQ(ReadFile(dir / "real.ini"), "[MAIN]\nAUTO=0\n");
    struct stat info {};
    ASSERT_EQ(stat((dir / "real.ini").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

// A process killed while it rewrites the file leaves either the old or the new file, complete.
TEST(ConfigTest, KillDuringWriteLeavesCompleteFile) {
    constexpr size_t kSize = 1 << 20;
    TempDir dir;
    const std::string path = (dir / "conf.ini").string();
    for (int round = 0; round < 10; ++round) {
        pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            Config config(path);
            for (int i = 0;; ++i) {
                config.Write("BIG", std::string(kSize, static_cast<char>('a' + i % 26)));
                config.WriteInt("N", i);
            }
        }
        // Let the child get through some writes, then kill it wherever it is.
        for (int polls = 0; polls < 2000 && Config(path).ReadInt("N", -1) < 2; ++polls) {
            usleep(1000);
        }
        usleep(static_cast<useconds_t>(round * 1500));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);

        std::optional<std::string> big = IniDocument(ReadFile(path)).Get("MAIN", "BIG");
        ASSERT_TRUE(big.has_value()) << "round " << round;
        ASSERT_EQ(big->size(), kSize) << "round " << round;
        EXPECT_EQ(big->find_first_not_of(big->front()), std::string::npos) << "round " << round;
        EXPECT_GE(Config(path).ReadInt("N", -1), 0) << "round " << round;
    }
}

}  // namespace lumora::test
