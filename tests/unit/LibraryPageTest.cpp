#include <gtest/gtest.h>

#include "service/LibraryPage.h"
#include "support/TempDir.h"

namespace lumora::service {
namespace {

constexpr const char* kOrigin = "http://127.0.0.1:8470";

// The program cuts the link after its prefix at the first ">" and drops every "thumb_" from the
// picture part; what it gets must be the full picture and the name.
TEST(LibraryPageTest, LinksCarryThumbnailUrlAndName) {
    Picture picture{"dawn.jpg", "晨曦"};
    EXPECT_EQ(LibraryPage::WallpaperLink(kOrigin, picture),
              "app:http://127.0.0.1:8470/kavri/lm/pics/thumb_dawn.jpg>晨曦");
    EXPECT_EQ(LibraryPage::FavouriteLink(kOrigin, picture),
              "sclm:http://127.0.0.1:8470/kavri/lm/pics/thumb_dawn.jpg>晨曦");
    std::string part = LibraryPage::WallpaperLink(kOrigin, picture).substr(4);
    part = part.substr(0, part.find('>'));
    part.erase(part.find("thumb_"), 6);
    EXPECT_EQ(part, LibraryPage::PictureUrl(kOrigin, picture));
}

TEST(LibraryPageTest, FileNamesAreEncodedInUrls) {
    Picture picture{"my sea>1.jpg", "A"};
    EXPECT_EQ(LibraryPage::PictureUrl(kOrigin, picture),
              "http://127.0.0.1:8470/kavri/lm/pics/my%20sea%3E1.jpg");
    EXPECT_EQ(LibraryPage::WallpaperLink(kOrigin, picture),
              "app:http://127.0.0.1:8470/kavri/lm/pics/thumb_my%20sea%3E1.jpg>A");
}

class LibraryPageRenderTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (int i = 0; i < 10; ++i) {
            test::WriteFile(m_dir / ("p" + std::to_string(i) + ".jpg"), "x");
        }
        test::WriteFile(m_dir / "thumb_p0.jpg", "x");
        test::WriteFile(m_dir / "names.txt", "p0.jpg\tSea \"&\" <Sky>\n");
        m_library = PictureLibrary::Load(m_dir.Path());
    }

    test::TempDir m_dir;
    PictureLibrary m_library;
};

TEST_F(LibraryPageRenderTest, PagesHoldEightCardsWithBothButtonsAndTheFunctions) {
    ASSERT_EQ(m_library.Pictures().size(), 10u);
    std::string first = LibraryPage::Render(m_library, kOrigin, 1, 1);
    EXPECT_NE(first.find("function TestFunc()"), std::string::npos);
    EXPECT_NE(first.find("function SCCG()"), std::string::npos);
    EXPECT_NE(first.find("href=\"app:http://127.0.0.1:8470/kavri/lm/pics/thumb_p7.jpg&gt;p7\""),
              std::string::npos);
    EXPECT_NE(first.find("href=\"sclm:http://127.0.0.1:8470/kavri/lm/pics/thumb_p7.jpg&gt;p7\""),
              std::string::npos);
    EXPECT_EQ(first.find("thumb_p8.jpg"), std::string::npos);
    EXPECT_NE(first.find("index.php?cid=1&amp;page=2"), std::string::npos);

    std::string second = LibraryPage::Render(m_library, kOrigin, 1, 2);
    EXPECT_NE(second.find("thumb_p9.jpg&gt;p9"), std::string::npos);
    EXPECT_EQ(second.find("thumb_p7.jpg"), std::string::npos);
    EXPECT_EQ(LibraryPage::Render(m_library, kOrigin, 1, 99), second);
    EXPECT_EQ(LibraryPage::Render(m_library, kOrigin, 1, -3), first);
}

TEST_F(LibraryPageRenderTest, NamesAreEscapedInTheMarkup) {
    std::string page = LibraryPage::Render(m_library, kOrigin, 1, 1);
    EXPECT_NE(page.find("thumb_p0.jpg&gt;Sea &quot;&amp;&quot; &lt;Sky&gt;\""), std::string::npos);
    EXPECT_EQ(page.find("<Sky>"), std::string::npos);
}

TEST_F(LibraryPageRenderTest, LibraryListsPicturesButNotThumbnails) {
    EXPECT_EQ(m_library.Find("thumb_p0.jpg"), nullptr);
    ASSERT_NE(m_library.Find("p0.jpg"), nullptr);
    EXPECT_EQ(m_library.Find("p0.jpg")->name, "Sea \"&\" <Sky>");
    EXPECT_EQ(m_library.Find("p1.jpg")->name, "p1");
    EXPECT_EQ(m_library.Search("P1").size(), 1u);
    EXPECT_EQ(m_library.Search("sky").size(), 1u);
}

}  // namespace
}  // namespace lumora::service
