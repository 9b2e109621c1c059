#include <gtest/gtest.h>

#include <set>

#include "service/LibraryPage.h"
#include "support/TempDir.h"

namespace lumora::service {
namespace {

constexpr const char* kOrigin = "http://127.0.0.1:8470";

// What the program does with a link the page makes: the browser drops blanks and control bytes
// at the ends and tabs and line breaks inside; the program percent-decodes the whole link,
// cuts it after its prefix at the first ">" and drops every "thumb_" from the picture part.
struct TakenLink {
    std::string pictureUrl;
    std::string name;
    std::string extension;
};

TakenLink TakeLink(std::string link, std::string_view prefix) {
    while (!link.empty() && static_cast<unsigned char>(link.back()) <= 0x20) link.pop_back();
    std::erase_if(link, [](char c) { return c == '\t' || c == '\n' || c == '\r'; });
    std::string decoded;
    for (size_t i = 0; i < link.size(); ++i) {
        if (link[i] == '%' && i + 2 < link.size() && std::isxdigit(link[i + 1]) &&
            std::isxdigit(link[i + 2])) {
            decoded += static_cast<char>(std::stoi(link.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            decoded += link[i];
        }
    }
    EXPECT_TRUE(decoded.starts_with(prefix)) << link;
    std::string rest = decoded.substr(prefix.size());
    size_t cut = rest.find('>');
    TakenLink taken;
    std::string part = cut == std::string::npos ? std::string() : rest.substr(0, cut);
    taken.name = cut == std::string::npos ? rest : rest.substr(cut + 1);
    for (size_t at; (at = part.find("thumb_")) != std::string::npos;) part.erase(at, 6);
    taken.pictureUrl = part;
    taken.extension = part.substr(part.rfind('.') + 1);
    return taken;
}

// Every link must bring the program to the full picture, its extension and the exact name,
// whatever the file and the name hold.
TEST(LibraryPageTest, LinksSurviveTheProgramsReadingForAnyFileAndName) {
    struct Case {
        const char* file;
        const char* name;
        const char* extension;
    };
    const Case cases[] = {
        {"dawn.jpg", "晨曦", "jpg"},
        {"blue-hour-4k.png", "Blue Hour", "png"},
        {"my sea>1.jpg", "A>B>C", "jpg"},
        {"红 海.JPG", "红 海", "jpg"},
        {"mythumb_x.jpeg", "thumb_name", "jpg"},
        {"100%.png", "100%纯 %41", "png"},
        {"a#b.jpg", "#1 ", "jpg"},
        {"x.y.z.bmp", " tab\there\n", "bmp"},
    };
    for (const Case& c : cases) {
        Picture picture{c.file, c.name, {}, PictureLibrary::UrlNameFor(c.file)};
        for (auto [link, prefix] :
             {std::pair{LibraryPage::WallpaperLink(kOrigin, picture), "app:"},
              std::pair{LibraryPage::FavouriteLink(kOrigin, picture), "sclm:"}}) {
            TakenLink taken = TakeLink(link, prefix);
            EXPECT_EQ(taken.pictureUrl, LibraryPage::PictureUrl(kOrigin, picture)) << link;
            EXPECT_EQ(taken.name, c.name) << link;
            EXPECT_EQ(taken.extension, c.extension) << link;
        }
    }
    // Names that need nothing stay readable in the page.
    Picture plain{"dawn.jpg", "晨曦", {}, "dawn.jpg"};
    EXPECT_EQ(LibraryPage::WallpaperLink(kOrigin, plain),
              "app:http://127.0.0.1:8470/kavri/lm/pics/thumb_dawn.jpg>晨曦");
    EXPECT_EQ(LibraryPage::FavouriteLink(kOrigin, plain),
              "sclm:http://127.0.0.1:8470/kavri/lm/pics/thumb_dawn.jpg>晨曦");
}

TEST(LibraryPageTest, UrlNamesAreSafeStableAndDistinct) {
    const char* files[] = {"dawn.jpg", "my sea>1.jpg", "红 海.JPG", "mythumb_x.jpeg", "100%.png",
                           "a#b.jpg",  "红 海.jpg",    "Sea.PNG",   "Sea.png",        "b.jpeg"};
    std::set<std::string> seen;
    for (const char* file : files) {
        std::string name = PictureLibrary::UrlNameFor(file);
        EXPECT_EQ(name, PictureLibrary::UrlNameFor(file));
        EXPECT_TRUE(seen.insert(name).second) << name;
        EXPECT_EQ(name.find("thumb_"), std::string::npos) << name;
        for (char c : name) {
            EXPECT_TRUE(std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '-' ||
                        c == '_')
                << name;
        }
    }
    // The program lists only these extensions, in lower case.
    struct Case {
        const char* file;
        const char* ending;
    };
    const Case cases[] = {{"dawn.jpg", "dawn.jpg"}, {"Sea.png", "Sea.png"}, {"Sea.PNG", ".png"},
                          {"b.jpeg", ".jpg"},       {"c.GIF", ".gif"},      {"红 海.bmp", ".bmp"}};
    for (const Case& c : cases) {
        std::string name = PictureLibrary::UrlNameFor(c.file);
        EXPECT_TRUE(name.ends_with(c.ending)) << c.file << " " << name;
    }
    EXPECT_EQ(PictureLibrary::UrlNameFor("dawn.jpg"), "dawn.jpg");
}

// Ten pictures: three listed in names.txt with categories (first, in its order), the others by
// file name; one listed picture has no category.
class LibraryPageRenderTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (int i = 0; i < 10; ++i) {
            test::WriteFile(m_dir / ("p" + std::to_string(i) + ".jpg"), "x");
        }
        test::WriteFile(m_dir / "thumb_p0.jpg", "x");
        test::WriteFile(m_dir / "notes.txt", "x");
        test::WriteFile(m_dir / "names.txt",
                        "p9.jpg\t星空 夜景\t夜空\r\n"
                        "p0.jpg\tSea \"&\" <Sky>\t海洋\n"
                        "p5.jpg\tStarry Sea\n"
                        "p4.jpg\t星河\t夜空\n"
                        "nosuch.jpg\tGone\t空的\n"
                        "p1.jpg\t..\n"
                        "p2.jpg\tAC/DC\x01 ../x\n"
                        "p3.jpg\t" +
                            std::string(198, 'a') +
                            "星空\n"
                            "bad line\n");
        m_library = PictureLibrary::Load(m_dir.Path());
    }

    std::string Page(int cid, int page, std::string_view keyword = {}) const {
        return LibraryPage::Render(m_library, kOrigin, cid, page, keyword);
    }
    static int Cards(const std::string& page) {
        int count = 0;
        for (size_t at = 0; (at = page.find("href=\"app:", at)) != std::string::npos; ++at) {
            ++count;
        }
        return count;
    }
    static bool Has(const std::string& page, std::string_view text) {
        return page.find(text) != std::string::npos;
    }

    test::TempDir m_dir;
    PictureLibrary m_library;
};

TEST_F(LibraryPageRenderTest, LibraryOrderNamesAndCategories) {
    std::vector<std::string> order;
    for (const Picture& picture : m_library.Pictures()) order.push_back(picture.file);
    EXPECT_EQ(order, (std::vector<std::string>{"p9.jpg", "p0.jpg", "p5.jpg", "p4.jpg", "p1.jpg",
                                               "p2.jpg", "p3.jpg", "p6.jpg", "p7.jpg", "p8.jpg"}));
    EXPECT_EQ(m_library.Find("p9.jpg")->name, "星空 夜景");
    EXPECT_EQ(m_library.Find("p6.jpg")->name, "p6");
    // Names the program could not store as files are made storable.
    EXPECT_EQ(m_library.Find("p1.jpg")->name, "p1");
    EXPECT_EQ(m_library.Find("p2.jpg")->name, "AC-DC ..-x");
    EXPECT_EQ(m_library.Find("p3.jpg")->name, std::string(198, 'a'));
    test::TempDir odd;
    test::WriteFile(odd / "\x01.png", "x");
    test::WriteFile(odd / (std::string(210, 'b') + ".jpg"), "x");
    PictureLibrary library = PictureLibrary::Load(odd.Path());
    ASSERT_EQ(library.Pictures().size(), 2u);
    EXPECT_EQ(library.Pictures()[0].name + ".png", library.Pictures()[0].urlName);
    EXPECT_EQ(library.Pictures()[1].name, std::string(200, 'b'));
    EXPECT_EQ(m_library.Find("thumb_p0.jpg"), nullptr);
    ASSERT_EQ(m_library.Categories().size(), 3u);
    EXPECT_EQ(m_library.Categories()[0].name, "全部");
    EXPECT_EQ(m_library.Categories()[1].name, "夜空");
    EXPECT_EQ(m_library.Categories()[1].cid, 2);
    EXPECT_EQ(m_library.Categories()[2].name, "海洋");
}

TEST_F(LibraryPageRenderTest, PagesHoldEightCardsWithBothButtonsAndTheFunctions) {
    std::string first = Page(1, 1);
    EXPECT_TRUE(Has(first, "function TestFunc()"));
    EXPECT_TRUE(Has(first, "function SCCG()"));
    EXPECT_EQ(Cards(first), 8);
    EXPECT_TRUE(Has(first, "href=\"app:http://127.0.0.1:8470/kavri/lm/pics/thumb_p6.jpg&gt;p6\""));
    EXPECT_TRUE(Has(first, "href=\"sclm:http://127.0.0.1:8470/kavri/lm/pics/thumb_p6.jpg&gt;p6\""));
    EXPECT_TRUE(Has(first, "thumb_p9.jpg&gt;星空%20夜景\""));
    EXPECT_FALSE(Has(first, "thumb_p7.jpg"));
    EXPECT_TRUE(Has(first, "index.php?cid=1&amp;page=2"));
    EXPECT_TRUE(Has(first, "共 10 张壁纸"));

    std::string second = Page(1, 2);
    EXPECT_EQ(Cards(second), 2);
    EXPECT_TRUE(Has(second, "thumb_p8.jpg&gt;p8"));
    EXPECT_EQ(Page(1, 99), second);
    EXPECT_EQ(Page(1, -3), first);
}

TEST_F(LibraryPageRenderTest, CategoriesShowTheirPicturesAndAnUnknownOneShowsAll) {
    std::string night = Page(2, 1);
    EXPECT_EQ(Cards(night), 2);
    EXPECT_TRUE(Has(night, "thumb_p9.jpg"));
    EXPECT_TRUE(Has(night, "thumb_p4.jpg"));
    EXPECT_TRUE(Has(night, "<a href=\"index.php?cid=2\" class=\"current\">夜空</a>"));
    EXPECT_TRUE(Has(night, "<a href=\"index.php?cid=3\">海洋</a>"));
    EXPECT_FALSE(Has(night, "class=\"pager\""));
    EXPECT_EQ(Cards(Page(3, 1)), 1);
    for (int cid : {0, 4, -1, 99}) {
        EXPECT_EQ(Page(cid, 1), Page(1, 1)) << cid;
    }
}

TEST_F(LibraryPageRenderTest, SearchMatchesNamesAndFilesAsUtf8Substrings) {
    struct Case {
        const char* keyword;
        std::vector<std::string> files;
    };
    const Case cases[] = {
        {"星", {"p9.jpg", "p4.jpg"}},  // not p3, whose name lost its end
        {"夜景", {"p9.jpg"}},
        {"SEA", {"p0.jpg", "p5.jpg"}},
        {"p1.JPG", {"p1.jpg"}},
        {"<sky>", {"p0.jpg"}},
        {"海洋", {}},  // categories are not names
        {"",
         {"p9.jpg", "p0.jpg", "p5.jpg", "p4.jpg", "p1.jpg", "p2.jpg", "p3.jpg", "p6.jpg", "p7.jpg",
          "p8.jpg"}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> files;
        for (const Picture& picture : m_library.Search(c.keyword)) files.push_back(picture.file);
        EXPECT_EQ(files, c.files) << c.keyword;
    }
}

TEST_F(LibraryPageRenderTest, SearchPageKeepsTheKeywordInTheFormAndThePager) {
    std::string found = Page(1, 1, "星");
    EXPECT_EQ(Cards(found), 2);
    EXPECT_TRUE(Has(found, "name=\"q\" placeholder=\"搜索壁纸\" value=\"星\""));
    EXPECT_TRUE(Has(found, "“星”找到 2 张壁纸"));
    // No category is current while a search shows.
    EXPECT_FALSE(Has(found, "class=\"current\">全部"));

    std::string all = Page(1, 1, "p");
    EXPECT_EQ(Cards(all), 8);
    EXPECT_TRUE(Has(all, "index.php?cid=1&amp;page=2&amp;q=p\""));
    std::string spaced = Page(1, 1, "a b&c");
    EXPECT_TRUE(Has(spaced, "value=\"a b&amp;c\""));

    std::string none = Page(1, 1, "<script>");
    EXPECT_EQ(Cards(none), 0);
    EXPECT_TRUE(Has(none, "没有找到与“&lt;script&gt;”相关的壁纸"));
    EXPECT_FALSE(Has(none, "<script>\""));
}

TEST_F(LibraryPageRenderTest, NamesAreEscapedInTheMarkup) {
    std::string page = Page(1, 1);
    EXPECT_TRUE(Has(page, "thumb_p0.jpg&gt;Sea%20&quot;&amp;&quot;%20&lt;Sky&gt;\""));
    EXPECT_TRUE(Has(page, "data-name=\"Sea &quot;&amp;&quot; &lt;Sky&gt;\""));
    EXPECT_FALSE(Has(page, "<Sky>"));
}

TEST(LibraryPageEmptyTest, AnEmptyLibraryHasNoCardsAndNoPager) {
    test::TempDir dir;
    PictureLibrary library = PictureLibrary::Load(dir.Path());
    std::string page = LibraryPage::Render(library, kOrigin, 1, 1);
    EXPECT_EQ(page.find("href=\"app:"), std::string::npos);
    EXPECT_EQ(page.find("class=\"pager\""), std::string::npos);
    EXPECT_NE(page.find("这里暂时还没有壁纸"), std::string::npos);
    EXPECT_NE(page.find("function TestFunc()"), std::string::npos);
}

}  // namespace
}  // namespace lumora::service
