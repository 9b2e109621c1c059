#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/TextHelpers.h"

namespace lumora::test {

TEST(TextHelpersTest, SplitText) {
    struct Case {
        std::string text;
        std::string separators;
        std::vector<std::string> parts;
    };
    const Case cases[] = {
        {"", ",", {""}},
        {"a", ",", {"a"}},
        {"a,b,", ",", {"a", "b"}},
        {"a,,b", ",", {"a", "", "b"}},
        {",b", ",", {"", "b"}},
        {",", ",", {""}},
        {"a,b;c", ",;", {"a", "b", "c"}},
        {"壁纸,http://x/", ",", {"壁纸", "http://x/"}},
        {"壁纸库", "纸", {"壁", "库"}},
        {"甲，乙", "，", {"甲", "乙"}},
        // A separator byte never matches inside a character: 壁 is E5 A3 81.
        {"壁", "\xA3", {"壁"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SplitText(c.text, c.separators), c.parts)
            << "'" << c.text << "' at '" << c.separators << "'";
    }
}

TEST(TextHelpersTest, ConvertUtf8ToAnsiReplacesIllFormedParts) {
    struct Case {
        std::string in;
        std::string out;
    };
    const Case cases[] = {
        {"壁纸,http://h/a b", "壁纸,http://h/a b"},
        {"\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80"},  // outside the basic plane
        {"a\xFF"
         "b",
         "a?b"},
        {"\xE5\xA3", "?"},             // cut short at the end
        {"\xE5\xA3x", "?x"},           // cut short before a letter
        {"\xC0\xAF", "??"},            // overlong
        {"\xED\xA0\x80", "???"},       // a surrogate
        {"\xF4\x90\x80\x80", "????"},  // above U+10FFFF
        {"\x80\x80", "??"},            // lone continuation bytes
    };
    for (const Case& c : cases) {
        std::string text = c.in;
        ConvertUtf8ToAnsi(text);
        EXPECT_EQ(text, c.out);
    }
}

TEST(TextHelpersTest, TrimWhiteSpace) {
    struct Case {
        std::string in;
        std::string out;
    };
    const Case cases[] = {
        {" 1.0\r\n", "1.0"},
        {"\t\v\f1.0 beta \n", "1.0 beta"},
        {"\xE3\x80\x80"
         "1.0"
         "\xE3\x80\x80 ",
         "1.0"},
        {" \r\n", ""},
        {"", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TrimWhiteSpace(c.in), c.out);
    }
}

}  // namespace lumora::test
