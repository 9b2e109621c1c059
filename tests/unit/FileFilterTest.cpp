#include <gtest/gtest.h>

#include "base/FileFilter.h"

namespace lumora {
namespace {

TEST(FileFilterTest, ParsesNamePatternPairsUpToTheEmptyName) {
    struct Case {
        const char* filter;
        std::vector<FileFilter> expected;
    };
    const Case cases[] = {
        {"Describe Files (*.jpg)|*.jpg|All Files (*.*)|*.*||",
         {{"Describe Files (*.jpg)", {"*.jpg"}}, {"All Files (*.*)", {"*"}}}},
        {"Pictures|*.png; *.jpg;*.bmp||", {{"Pictures", {"*.png", "*.jpg", "*.bmp"}}}},
        {"A|*.a||B|*.b||", {{"A", {"*.a"}}}},  // nothing after the end marker counts
        {"A|*.a|B", {{"A", {"*.a"}}}},         // a name without patterns is dropped
        {"A||", {}},
        {"", {}},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseFileFilter(c.filter), c.expected) << c.filter;
}

TEST(FileFilterTest, GlobsIgnoreTheCaseOfLettersOnly) {
    EXPECT_EQ(CaseInsensitiveGlob("*.jpg"), "*.[jJ][pP][gG]");
    EXPECT_EQ(CaseInsensitiveGlob("*.JPG"), "*.[jJ][pP][gG]");
    EXPECT_EQ(CaseInsensitiveGlob("*"), "*");
    EXPECT_EQ(CaseInsensitiveGlob("a?[xy]_7"), "[aA]?[xy]_7");
}

}  // namespace
}  // namespace lumora
