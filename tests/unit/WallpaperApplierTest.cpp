#include <gtest/gtest.h>

#include <cerrno>
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

    // Not a picture: the previous bitmap stays and is applied again, and that is a failure
    // even though the desktop took it: the new picture is not the wallpaper.
    WriteFile(dir / "imgs" / "bad.jpg", "<html>error page</html>");
    EXPECT_EQ(applier.ApplyPicture((dir / "imgs" / "bad.jpg").string()), EBADMSG);
    EXPECT_EQ(ReadFile(bitmap), written);
    EXPECT_EQ(applier.ApplyPicture(""), EBADMSG);
    // A desktop that refuses the picture.
    desktop.status = EACCES;
    EXPECT_EQ(applier.ApplyPicture((dir / "imgs" / "sea.png").string()), EACCES);
    ASSERT_EQ(desktop.calls.size(), 4u);
    for (const auto& call : desktop.calls) {
        EXPECT_EQ(call.path, bitmap);
        EXPECT_EQ(call.layout, kLayoutStretched);
    }
}

TEST(WallpaperApplierTest, AnUnwritableTempBmpIsAFailure) {
    TempDir dir;
    RecordingDesktopBackground desktop;
    WallpaperApplier applier(dir.Path().string(), desktop);  // no imgs folder to write into
    ASSERT_TRUE(WritePicture(dir / "sea.png", PatternImage(4, 4), "png"));
    EXPECT_EQ(applier.ApplyPicture((dir / "sea.png").string()), EIO);
}

}  // namespace
}  // namespace lumora::test
