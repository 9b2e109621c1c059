#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "base/Utf8.h"

namespace lumora {
namespace {

TEST(Utf8Test, DecodesWellFormedCharactersAndMeasuresIllFormedParts) {
    struct Case {
        std::string text;
        int length;
        char32_t codePoint;
    };
    const Case cases[] = {
        {"A", 1, U'A'},
        {"\xC3\xA9", 2, U'\u00E9'},
        {"\xE5\xA3\x81", 3, U'\u58C1'},  // 壁
        {"\xF0\x9F\x96\xBC", 4, U'\U0001F5BC'},
        {"\xC0\xAF", -1, 0},          // overlong
        {"\xE0\x80\x80", -1, 0},      // overlong
        {"\xED\xA0\x80", -1, 0},      // surrogate
        {"\xF4\x90\x80\x80", -1, 0},  // above U+10FFFF
        {"\xE5\xA3", -2, 0},          // cut short
        {"\xE5\xA3"
         "A",
         -2, 0},
        {"\x80", -1, 0},
    };
    for (const Case& c : cases) {
        const Utf8Character got = DecodeUtf8(c.text, 0);
        EXPECT_EQ(got.length, c.length) << c.text;
        EXPECT_EQ(got.codePoint, c.codePoint) << c.text;
        EXPECT_EQ(Utf8StepLength(c.text, 0), static_cast<std::size_t>(std::abs(c.length)));
        EXPECT_EQ(IsWellFormedUtf8(c.text),
                  c.length > 0 && c.length == static_cast<int>(c.text.size()))
            << c.text;
    }
}

}  // namespace
}  // namespace lumora
