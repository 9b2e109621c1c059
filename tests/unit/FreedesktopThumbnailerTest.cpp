#include <gdk-pixbuf/gdk-pixbuf.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <utime.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/linux/FreedesktopThumbnailer.h"
#include "support/PictureFiles.h"
#include "support/TempDir.h"

namespace lumora {
namespace {

namespace fs = std::filesystem;

constexpr Size kCard{217, 124};
constexpr std::uint32_t kQuadrants[4] = {0xE02020, 0x20C040, 0x2040E0, 0xF0F0F0};

class FreedesktopThumbnailerTest : public ::testing::Test {
protected:
    FreedesktopThumbnailerTest() : thumbnailer((dir / "thumbnails").string()) {}

    std::string Picture(const std::string& name, const BgraImage& image,
                        const std::string& format = "jpeg") {
        const fs::path path = dir / name;
        EXPECT_TRUE(test::WritePicture(path, image, format));
        return path.string();
    }
    static long long MTime(const std::string& path) {
        struct stat info {};
        stat(path.c_str(), &info);
        return static_cast<long long>(info.st_mtime);
    }
    static void SetMTime(const std::string& path, long long seconds) {
        struct utimbuf times {
            static_cast<time_t>(seconds), static_cast<time_t>(seconds)
        };
        utime(path.c_str(), &times);
    }
    static std::string Option(GdkPixbuf* pixbuf, const char* key) {
        const char* value = gdk_pixbuf_get_option(pixbuf, key);
        return value ? value : "";
    }
    static std::string Uri(const std::string& path) {
        gchar* uri = g_filename_to_uri(path.c_str(), nullptr, nullptr);
        std::string text = uri;
        g_free(uri);
        return text;
    }
    // A thumbnail as another program would leave it.
    static void WriteThumbnail(const std::string& at, const BgraImage& image,
                               const std::string& uri, long long mtime) {
        fs::create_directories(fs::path(at).parent_path());
        GdkPixbuf* pixbuf = gdk_pixbuf_new(GDK_COLORSPACE_RGB, FALSE, 8, image.width, image.height);
        for (int y = 0; y < image.height; ++y) {
            for (int x = 0; x < image.width; ++x) {
                guchar* p =
                    gdk_pixbuf_get_pixels(pixbuf) + y * gdk_pixbuf_get_rowstride(pixbuf) + x * 3;
                const std::uint32_t bgra = test::PixelAt(image, x, y);
                p[0] = static_cast<guchar>(bgra >> 16);
                p[1] = static_cast<guchar>(bgra >> 8);
                p[2] = static_cast<guchar>(bgra);
            }
        }
        const std::string time = std::to_string(mtime);
        ASSERT_TRUE(gdk_pixbuf_save(pixbuf, at.c_str(), "png", nullptr, "tEXt::Thumb::URI",
                                    uri.c_str(), "tEXt::Thumb::MTime", time.c_str(), nullptr));
        g_object_unref(pixbuf);
    }

    test::TempDir dir;
    FreedesktopThumbnailer thumbnailer;
};

TEST_F(FreedesktopThumbnailerTest, DecodesOnceIntoALargeThumbnailThenReadsThat) {
    const std::string path = Picture("wide.jpg", test::QuadrantImage(1024, 512, kQuadrants));
    std::optional<BgraImage> card = thumbnailer.CardPicture(path, kCard);
    ASSERT_TRUE(card);
    EXPECT_EQ(card->width, kCard.width);
    EXPECT_EQ(card->height, kCard.height);
    EXPECT_NEAR(static_cast<int>(test::PixelAt(*card, 20, 20) >> 16 & 0xFF), 0xE0, 8);

    const std::string large = thumbnailer.LargeThumbnailPath(path);
    EXPECT_EQ(fs::path(large).parent_path(), dir / "thumbnails/large");
    struct stat info {};
    ASSERT_EQ(stat(large.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    GdkPixbuf* thumbnail = gdk_pixbuf_new_from_file(large.c_str(), nullptr);
    ASSERT_NE(thumbnail, nullptr);
    EXPECT_EQ(gdk_pixbuf_get_width(thumbnail), 256);
    EXPECT_EQ(gdk_pixbuf_get_height(thumbnail), 128);
    EXPECT_EQ(Option(thumbnail, "tEXt::Thumb::URI"), Uri(path));
    EXPECT_EQ(Option(thumbnail, "tEXt::Thumb::MTime"), std::to_string(MTime(path)));
    g_object_unref(thumbnail);
    // The file name is the MD5 of the URI.
    gchar* digest = g_compute_checksum_for_string(G_CHECKSUM_MD5, Uri(path).c_str(), -1);
    EXPECT_EQ(fs::path(large).filename().string(), std::string(digest) + ".png");
    g_free(digest);
    // Nothing but the thumbnail is left in the folder.
    int files = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir / "thumbnails/large"))
        ++files;
    EXPECT_EQ(files, 1);

    ASSERT_TRUE(thumbnailer.CardPicture(path, kCard));
    EXPECT_EQ(thumbnailer.Tally().decoded, 1);
    EXPECT_EQ(thumbnailer.Tally().fromCache, 1);
}

TEST_F(FreedesktopThumbnailerTest, ARelativePathIsNamedByItsAbsoluteUri) {
    const std::string path = Picture("here.png", test::QuadrantImage(40, 20, kQuadrants), "png");
    const fs::path old = fs::current_path();
    fs::current_path(dir.Path());
    std::optional<BgraImage> card = thumbnailer.CardPicture("here.png", kCard);
    const std::string large = thumbnailer.LargeThumbnailPath("here.png");
    fs::current_path(old);
    ASSERT_TRUE(card);
    EXPECT_EQ(large, thumbnailer.LargeThumbnailPath(path));
    EXPECT_TRUE(fs::exists(large));
}

TEST_F(FreedesktopThumbnailerTest, StaleOrForeignSizedThumbnailsAreMadeAgain) {
    const std::string path = Picture("sea.jpg", test::QuadrantImage(600, 300, kQuadrants));
    ASSERT_TRUE(thumbnailer.CardPicture(path, kCard));
    SetMTime(path, MTime(path) - 100);  // the file changed since
    ASSERT_TRUE(thumbnailer.CardPicture(path, kCard));
    EXPECT_EQ(thumbnailer.Tally().decoded, 2);

    // A 128-pixel thumbnail in the large folder is not a large one.
    const std::string large = thumbnailer.LargeThumbnailPath(path);
    WriteThumbnail(large, test::QuadrantImage(128, 64, kQuadrants), Uri(path), MTime(path));
    ASSERT_TRUE(thumbnailer.CardPicture(path, kCard));
    EXPECT_EQ(thumbnailer.Tally().decoded, 3);
    // One for another file under this name neither.
    WriteThumbnail(large, test::QuadrantImage(256, 128, kQuadrants), Uri(path) + "x", MTime(path));
    ASSERT_TRUE(thumbnailer.CardPicture(path, kCard));
    EXPECT_EQ(thumbnailer.Tally().decoded, 4);
    EXPECT_EQ(thumbnailer.Tally().fromCache, 0);
}

TEST_F(FreedesktopThumbnailerTest, UsesAThumbnailAnotherProgramMade) {
    const std::string path = Picture("plain.jpg", test::PatternImage(600, 300));
    const std::uint32_t other[4] = {0x102030, 0x405060, 0x708090, 0xA0B0C0};
    WriteThumbnail(thumbnailer.LargeThumbnailPath(path), test::QuadrantImage(256, 128, other),
                   Uri(path), MTime(path));
    std::optional<BgraImage> card = thumbnailer.CardPicture(path, kCard);
    ASSERT_TRUE(card);
    EXPECT_EQ(test::PixelAt(*card, 20, 20) & 0xFFFFFF, other[0]);
    EXPECT_EQ(test::PixelAt(*card, 200, 110) & 0xFFFFFF, other[3]);
    EXPECT_EQ(thumbnailer.Tally().decoded, 0);
}

TEST_F(FreedesktopThumbnailerTest, SmallPicturesKeepTheirSizeInTheCache) {
    const std::string path = Picture("icon.png", test::QuadrantImage(40, 20, kQuadrants), "png");
    std::optional<BgraImage> card = thumbnailer.CardPicture(path, kCard);
    ASSERT_TRUE(card);
    EXPECT_EQ(test::PixelAt(*card, 20, 20) & 0xFFFFFF, kQuadrants[0]);
    EXPECT_EQ(test::PixelAt(*card, 200, 110) & 0xFFFFFF, kQuadrants[3]);
    ASSERT_TRUE(thumbnailer.CardPicture(path, kCard));
    EXPECT_EQ(thumbnailer.Tally().decoded, 1);
    EXPECT_EQ(thumbnailer.Tally().fromCache, 1);
}

TEST_F(FreedesktopThumbnailerTest, UndecodablePicturesAreRecordedAndNotTriedAgainUntilTheyChange) {
    struct Case {
        const char* name;
        std::string bytes;
    };
    std::string truncated;
    {
        const std::string whole = Picture("whole.jpg", test::PatternImage(400, 300));
        std::ifstream in(whole, std::ios::binary);
        truncated.assign(std::istreambuf_iterator<char>(in), {});
        truncated.resize(truncated.size() / 2);
    }
    for (const Case& c : {Case{"garbage.jpg", "not a picture"}, Case{"half.jpg", truncated},
                          Case{"empty.png", ""}}) {
        SCOPED_TRACE(c.name);
        const fs::path path = dir / c.name;
        test::WriteFile(path, c.bytes);
        const long long failedBefore = thumbnailer.Tally().failed;
        EXPECT_FALSE(thumbnailer.CardPicture(path.string(), kCard));
        EXPECT_TRUE(fs::exists(thumbnailer.FailRecordPath(path.string())));
        EXPECT_FALSE(fs::exists(thumbnailer.LargeThumbnailPath(path.string())));
        // Made good behind its back, with the old time: the record still stands.
        const long long mtime = MTime(path.string());
        fs::copy_file(dir / "whole.jpg", path, fs::copy_options::overwrite_existing);
        SetMTime(path.string(), mtime);
        EXPECT_FALSE(thumbnailer.CardPicture(path.string(), kCard));
        EXPECT_EQ(thumbnailer.Tally().failed, failedBefore + 2);
        // Once it changes, it is tried again.
        SetMTime(path.string(), mtime + 10);
        EXPECT_TRUE(thumbnailer.CardPicture(path.string(), kCard));
    }
    EXPECT_FALSE(thumbnailer.CardPicture((dir / "missing.jpg").string(), kCard));
}

}  // namespace
}  // namespace lumora
