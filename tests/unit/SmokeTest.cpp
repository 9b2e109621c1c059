#include <gtest/gtest.h>

#include "support/TempDir.h"

namespace lumora::test {

TEST(TempDirTest, FilesWrittenThereReadBack) {
    TempDir dir;
    WriteFile(dir / "a.txt", std::string("x\0y", 3));
    EXPECT_EQ(ReadFile(dir / "a.txt"), std::string("x\0y", 3));
}

}  // namespace lumora::test
