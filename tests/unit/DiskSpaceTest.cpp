// The system's free-space port against the standard library's own figure.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/DiskSpace.h"
#include "support/TempDir.h"

namespace lumora {
namespace {

TEST(DiskSpaceTest, FreeBytesOfAFolderAndNothingForAMissingOne) {
    test::TempDir dir;
    const auto free = SystemDiskSpace().FreeBytes(dir.Path().string());
    ASSERT_TRUE(free.has_value());
    // Free space moves while other programs write; a megabyte either way is the same disk.
    const auto expected = std::filesystem::space(dir.Path()).free;
    EXPECT_NEAR(static_cast<double>(*free), static_cast<double>(expected), 1 << 20);

    EXPECT_FALSE(SystemDiskSpace().FreeBytes((dir / "missing").string()).has_value());
    EXPECT_FALSE(SystemDiskSpace().FreeBytes("").has_value());
}

}  // namespace
}  // namespace lumora
