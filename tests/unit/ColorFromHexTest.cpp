#include <gtest/gtest.h>

#include "skin/ColorFromHex.h"

namespace lumora {
namespace {

TEST(ColorFromHexTest, ProgramColoursGiveTheirComponents) {
    struct Case {
        const char* text;
        ColorRef expected;
    };
    const Case cases[] = {
        {"#4B8AF1", 0x00F18A4B},  // red 75, green 138, blue 241
        {"#d3d3d3", 0x00D3D3D3},  // lower-case digits
        {"#F8F8F6", 0x00F6F8F8}, {"#ededed", 0x00EDEDED},
        {"#000000", 0x00000000}, {"#FFffFF", 0x00FFFFFF},
    };
    for (const Case& c : cases) EXPECT_EQ(ColorFromHex(c.text), c.expected) << c.text;
}

TEST(ColorFromHexTest, RedIsTheLowestByte) {
    ColorRef colour = ColorFromHex("#4B8AF1");
    EXPECT_EQ(colour & 0xFF, 75u);
    EXPECT_EQ((colour >> 8) & 0xFF, 138u);
    EXPECT_EQ((colour >> 16) & 0xFF, 241u);
    EXPECT_EQ(colour >> 24, 0u);
}

TEST(ColorFromHexTest, UnreadableFieldsCountAsZero) {
    EXPECT_EQ(ColorFromHex(""), 0u);
    EXPECT_EQ(ColorFromHex("4B8AF1"), 0u);      // no leading "#"
    EXPECT_EQ(ColorFromHex("#4B8A"), 0x8A4Bu);  // blue missing
}

}  // namespace
}  // namespace lumora
