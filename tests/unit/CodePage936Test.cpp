#include <gtest/gtest.h>

#include "base/CodePage936.h"

namespace lumora {
namespace {

TEST(CodePage936Test, ChineseTakesTwoBytesAsciiOne) {
    struct Case {
        const char* utf8;
        const char* cp936;
    };
    const Case cases[] = {
        {"壁纸", "\xB1\xDA\xD6\xBD"},
        {"abc-1", "abc-1"},
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(ToCodePage936(c.utf8), c.cp936) << c.utf8;
    EXPECT_EQ(ToCodePage936("壁纸库").size(), 6u);
    EXPECT_EQ(ToCodePage936("我的壁纸").size(), 8u);
}

TEST(CodePage936Test, UnmappableAndIllFormedBecomeQuestionMarks) {
    EXPECT_EQ(ToCodePage936("a\xF0\x9F\x98\x80"
                            "b"),
              "a?b");  // an emoji has no GBK form
    EXPECT_EQ(ToCodePage936("a\xFF"
                            "b"),
              "a?b");  // not UTF-8
    EXPECT_EQ(ToCodePage936("a\xE5\xA3"
                            "b"),
              "a?b");                             // cut-off sequence inside
    EXPECT_EQ(ToCodePage936("a\xE5\xA3"), "a?");  // cut-off sequence at the end
}

}  // namespace
}  // namespace lumora
