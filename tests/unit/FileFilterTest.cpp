#include <gtest/gtest.h>

#include "base/FileFilter.h"

namespace lumora {
namespace {

TEST(FileFilterTest, GlobsIgnoreTheCaseOfLettersOnly) {
    EXPECT_EQ(CaseInsensitiveGlob("*.jpg"), "*.[jJ][pP][gG]");
    EXPECT_EQ(CaseInsensitiveGlob("*.JPG"), "*.[jJ][pP][gG]");
    EXPECT_EQ(CaseInsensitiveGlob("*"), "*");
    EXPECT_EQ(CaseInsensitiveGlob("a?[xy]_7"), "[aA]?[xy]_7");
}

}  // namespace
}  // namespace lumora
