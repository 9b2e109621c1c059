#include <gtest/gtest.h>

#include <filesystem>

#include "platform/headless/RecordingDesktopBackground.h"
#include "support/PictureFiles.h"
#include "support/TempDir.h"
#include "wallpaper/WallpaperApplier.h"

namespace lumora::test {
namespace {

TEST(WallpaperApplierTest, PictureBecomesTempBmpShownStretched) {
    TempDir dir;
    const std::string collection = dir.Path().string();
    std::filesystem::create_directory(dir / "imgs");
    RecordingDesktopBackground desktop;
    WallpaperApplier applier(collection, desktop);
    const std::string bitmap = collection + "/imgs/temp.bmp";
    EXPECT_EQ(applier.ConversionPath(), bitmap);

    const BgraImage picture = PatternImage(33, 17);
    ASSERT_TRUE(WritePicture(dir / "imgs" / "sea.png", picture, "png"));
    EXPECT_EQ(applier.ApplyPicture((dir / "imgs" / "sea.png").string()), 0);
    const std::string written = ReadFile(bitmap);
    ASSERT_GT(written.size(), 54u);
    EXPECT_EQ(written.substr(0, 2), "BM");
    std::optional<BgraImage> back = LoadImageFile(bitmap);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->pixels, picture.pixels);

    // Not a picture: the previous bitmap stays and is applied again.
    WriteFile(dir / "imgs" / "bad.jpg", "<html>error page</html>");
    desktop.status = EIO;
    EXPECT_EQ(applier.ApplyPicture((dir / "imgs" / "bad.jpg").string()), EIO);
    EXPECT_EQ(ReadFile(bitmap), written);
    applier.ApplyPicture("");
    ASSERT_EQ(desktop.calls.size(), 3u);
    for (const auto& call : desktop.calls) {
        EXPECT_EQ(call.path, bitmap);
        EXPECT_EQ(call.layout, kLayoutStretched);
    }
}

}  // namespace
}  // namespace lumora::test
