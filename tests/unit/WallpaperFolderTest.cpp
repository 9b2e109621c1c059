#include <dirent.h>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <set>
#include <thread>

#include "support/LoopbackServer.h"
#include "support/PictureFiles.h"
#include "support/TempDir.h"
#include "wallpaper/WallpaperFolder.h"

namespace lumora::test {
namespace {

namespace fs = std::filesystem;

// Entry names as readdir returns them, "." and ".." left out.
std::vector<std::string> ReaddirOrder(const fs::path& folder) {
    std::vector<std::string> names;
    DIR* dir = opendir(folder.c_str());
    if (!dir) {
        return names;
    }
    while (dirent* entry = readdir(dir)) {
        std::string name = entry->d_name;
        if (name != "." && name != "..") {
            names.push_back(name);
        }
    }
    closedir(dir);
    return names;
}

class WallpaperFolderTest : public ::testing::Test {
protected:
    WallpaperFolderTest() : m_collection((m_dir / "collection").string()) {
        fs::create_directory(m_collection);
    }

    fs::path Imgs() const { return fs::path(m_collection) / "imgs"; }
    std::string InImgs(const std::string& name) const { return (Imgs() / name).string(); }
    void MakeImgs() const { fs::create_directory(Imgs()); }
    void Put(const std::string& name, const std::string& bytes = "picture") const {
        WriteFile(Imgs() / name, bytes);
    }

    TempDir m_dir;
    std::string m_collection;
    WallpaperFolder m_folder{m_collection, SystemHttpClient()};
};

TEST(WallpaperNameTest, WallpaperFavouriteAndTwinRules) {
    struct Case {
        const char* name;
        bool wallpaper;
        bool favourite;
    };
    const Case cases[] = {
        {"a.jpg", true, false},        {"a.jpg.txt", true, false},   {"b.jpgx", true, false},
        {"c.gif.bak", true, false},    {"x.png", true, false},       {"x.bmp", true, false},
        {".jpg", false, false},        {"c.JPG", false, false},      {"b.PNG", false, false},
        {"temp.bmp", false, false},    {"mytemp.bmp", false, false}, {"temp.bmp.jpg", false, false},
        {"readme", false, false},      {"d_LMSC.png", true, true},   {"a_LMSCb.jpg", true, true},
        {"_LMSC.jpg", true, false},    {"e_lmsc.jpg", true, false},  {"海边.jpg", true, false},
        {"海边_LMSC.gif", true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(WallpaperFolder::IsWallpaperFile(c.name), c.wallpaper);
        EXPECT_EQ(WallpaperFolder::IsFavouriteName(c.name), c.favourite);
    }
    EXPECT_EQ(WallpaperFolder::FavouriteTwin("/w/imgs/sea.jpg"), "/w/imgs/sea_LMSC.jpg");
    EXPECT_EQ(WallpaperFolder::FavouriteTwin("/w/imgs/a.jpg.txt"), "/w/imgs/a.jpg_LMSC.txt");
}

TEST_F(WallpaperFolderTest, PathIsTheCollectionsImgsFolder) {
    EXPECT_EQ(m_folder.FolderPath(), m_collection + "/imgs/");
    // The folder keeps its own copy of the directory it was made with.
    std::string elsewhere = "/elsewhere";
    const WallpaperFolder folder(elsewhere, SystemHttpClient());
    elsewhere = "/changed";
    EXPECT_EQ(folder.FolderPath(), "/elsewhere/imgs/");
}

TEST_F(WallpaperFolderTest, MissingFolderIsNotAnEmptyOne) {
    EXPECT_FALSE(m_folder.List("all"));
    EXPECT_FALSE(m_folder.List("sc"));
    m_folder.EnsureFolder();
    EXPECT_TRUE(fs::is_directory(Imgs()));
    m_folder.EnsureFolder();  // a second time changes nothing
    ASSERT_TRUE(m_folder.List("all"));
    EXPECT_TRUE(m_folder.List("all")->empty());

    // Only one level is created.
    WallpaperFolder((m_dir / "gone").string(), SystemHttpClient()).EnsureFolder();
    EXPECT_FALSE(fs::exists(m_dir / "gone"));
}

TEST_F(WallpaperFolderTest, MixedFolderListsInDirectoryOrder) {
    MakeImgs();
    for (const char* name : {"a.jpg", "b.PNG", "temp.bmp", "c.gif.bak", "d_LMSC.png", "e.bmp",
                             "notes.txt", "f_LMSC.jpg", "g.png"}) {
        Put(name);
    }
    fs::create_directory(Imgs() / "sub.jpg");  // only the name matters

    std::vector<std::string> all;
    std::vector<std::string> favourites;
    for (const std::string& name : ReaddirOrder(Imgs())) {
        if (name == "a.jpg" || name == "c.gif.bak" || name == "d_LMSC.png" || name == "e.bmp" ||
            name == "f_LMSC.jpg" || name == "g.png" || name == "sub.jpg") {
            all.push_back(InImgs(name));
        }
        if (name == "d_LMSC.png" || name == "f_LMSC.jpg") {
            favourites.push_back(InImgs(name));
        }
    }
    EXPECT_EQ(m_folder.List("all"), all);
    EXPECT_EQ(m_folder.List("all"), all);  // the same order on every call
    EXPECT_EQ(m_folder.List("sc"), favourites);
    EXPECT_EQ(m_folder.List("SC"), std::vector<std::string>{});
    EXPECT_EQ(m_folder.List(""), std::vector<std::string>{});
    EXPECT_EQ(FolderContent(Imgs()).size(), 10u);  // nothing was deleted
}

TEST_F(WallpaperFolderTest, ListingAllRemovesOnlyIdenticalPlainDuplicates) {
    MakeImgs();
    Put("sea.jpg", "waves");
    Put("sea_LMSC.jpg", "waves");
    Put("kiwi.png", "green fruit");
    Put("kiwi_LMSC.png", "a bird");  // same name, another picture

    auto favourites = m_folder.List("sc");
    ASSERT_TRUE(favourites);
    EXPECT_EQ(favourites->size(), 2u);
    EXPECT_TRUE(fs::exists(Imgs() / "sea.jpg"));  // "sc" deletes nothing

    auto all = m_folder.List("all");
    ASSERT_TRUE(all);
    EXPECT_EQ(std::set<std::string>(all->begin(), all->end()),
              (std::set<std::string>{InImgs("sea_LMSC.jpg"), InImgs("kiwi.png"),
                                     InImgs("kiwi_LMSC.png")}));
    EXPECT_EQ(FolderContent(Imgs()),
              (std::set<std::string>{"sea_LMSC.jpg", "kiwi.png", "kiwi_LMSC.png"}));
}

TEST_F(WallpaperFolderTest, CopyAsFavouriteNeverOverwrites) {
    MakeImgs();
    Put("x_LMSC.jpg", "favourite");
    Put("x.jpg", "plain");
    Put("y.png", "only plain");
    Put("a_LMSCb.jpg", "odd");

    EXPECT_EQ(m_folder.CopyAsFavourite(InImgs("x_LMSC.jpg")),
              WallpaperFolder::CopyOutcome::AlreadyFavourite);
    // The twin exists: nothing is overwritten and the picture counts as a favourite already.
    EXPECT_EQ(m_folder.CopyAsFavourite(InImgs("x.jpg")),
              WallpaperFolder::CopyOutcome::AlreadyFavourite);
    EXPECT_EQ(ReadFile(Imgs() / "x_LMSC.jpg"), "favourite");
    // A copy that fails for another reason says so.
    EXPECT_EQ(m_folder.CopyAsFavourite(InImgs("gone.jpg")), WallpaperFolder::CopyOutcome::Failed);
    EXPECT_FALSE(fs::exists(Imgs() / "gone_LMSC.jpg"));
    EXPECT_EQ(m_folder.CopyAsFavourite(InImgs("y.png")), WallpaperFolder::CopyOutcome::Copied);
    EXPECT_EQ(ReadFile(Imgs() / "y_LMSC.png"), "only plain");
    // The listing calls this one a favourite; the copy looks at the end of the base only.
    EXPECT_EQ(m_folder.CopyAsFavourite(InImgs("a_LMSCb.jpg")),
              WallpaperFolder::CopyOutcome::Copied);
    EXPECT_TRUE(fs::exists(Imgs() / "a_LMSCb_LMSC.jpg"));

    m_folder.List("all");  // completes the copy of y.png; x.jpg differs from its twin
    EXPECT_FALSE(fs::exists(Imgs() / "y.png"));
    EXPECT_TRUE(fs::exists(Imgs() / "x.jpg"));
}

TEST_F(WallpaperFolderTest, AddLocalPictureMakesAFavouriteAndNeedsTheFolder) {
    WriteFile(m_dir / "Photo.JPG", "jpeg bytes");
    WriteFile(m_dir / "beach.png", "png bytes");
    const std::string source = (m_dir / "Photo.JPG").string();

    m_folder.AddLocalPicture(source, "Photo", "JPG");
    EXPECT_FALSE(fs::exists(Imgs()));  // the folder is not created here

    MakeImgs();
    m_folder.AddLocalPicture(source, "Photo", "JPG");
    m_folder.AddLocalPicture((m_dir / "beach.png").string(), "beach", "png");
    Put("old_LMSC.png", "kept");
    m_folder.AddLocalPicture((m_dir / "beach.png").string(), "old", "png");
    EXPECT_EQ(ReadFile(Imgs() / "Photo_LMSC.JPG"), "jpeg bytes");
    EXPECT_EQ(ReadFile(Imgs() / "old_LMSC.png"), "kept");
    // The upper-case extension keeps the copy out of every listing.
    auto favourites = m_folder.List("sc");
    ASSERT_TRUE(favourites);
    EXPECT_EQ(std::set<std::string>(favourites->begin(), favourites->end()),
              (std::set<std::string>{InImgs("beach_LMSC.png"), InImgs("old_LMSC.png")}));
}

// The test programs run with XDG_DATA_HOME in the build folder, so the trash is theirs.
TEST_F(WallpaperFolderTest, DeleteMovesThatFileOnlyToTheTrash) {
    MakeImgs();
    Put("sea.jpg");
    Put("sea_LMSC.jpg", "the favourite");
    EXPECT_TRUE(m_folder.DeleteWallpaper(InImgs("sea_LMSC.jpg")));
    EXPECT_EQ(FolderContent(Imgs()), std::set<std::string>{"sea.jpg"});
    if (const char* data = std::getenv("XDG_DATA_HOME")) {
        bool found = false;
        std::error_code error;
        for (const auto& entry : fs::directory_iterator(fs::path(data) / "Trash/files", error)) {
            found = found || (entry.path().filename().string().starts_with("sea_LMSC") &&
                              ReadFile(entry.path()) == "the favourite");
        }
        EXPECT_TRUE(found);
    }
    EXPECT_FALSE(m_folder.DeleteWallpaper(InImgs("sea_LMSC.jpg")));  // already gone
    EXPECT_EQ(FolderContent(Imgs()), std::set<std::string>{"sea.jpg"});
}

// Downloads against a server on the loopback interface.
class WallpaperDownloadTest : public WallpaperFolderTest {
protected:
    WallpaperDownloadTest() {
        m_server.Reply("/p/sea.jpg", kSea);
        m_server.Reply("/p/missing.jpg", "<html>not here</html>", 404);
        // Announces ten bytes, sends four and closes the connection.
        m_server.On("/p/cut.jpg", [](const httplib::Request&, httplib::Response& response) {
            response.set_content_provider(10, "image/jpeg",
                                          [](size_t, size_t, httplib::DataSink& sink) {
                                              sink.write("half", 4);
                                              return false;
                                          });
        });
        // Sends its body in pieces with pauses between them.
        m_server.On("/p/slow.jpg", [this](const httplib::Request&, httplib::Response& response) {
            response.set_chunked_content_provider(
                "image/jpeg", [this](size_t offset, httplib::DataSink& sink) {
                    if (offset >= kSlow.size()) {
                        sink.done();
                        return true;
                    }
                    std::this_thread::sleep_for(std::chrono::milliseconds(100));
                    sink.write(kSlow.data() + offset, std::min<size_t>(8, kSlow.size() - offset));
                    return true;
                });
        });
    }

    // Downloads store only pictures; these are small whole ones.
    const std::string kSea = GifBytes(4, 3, 1);
    const std::string kSlow = GifBytes(5, 2, 1);
    LoopbackServer m_server;
};

TEST_F(WallpaperDownloadTest, OnlyAWholeSuccessfulBodyReachesTheFile) {
    MakeImgs();
    struct Case {
        const char* path;
        bool ok;
        std::string body;
    };
    const Case cases[] = {
        {"/p/sea.jpg", true, kSea},
        {"/p/slow.jpg", true, kSlow},
        {"/p/missing.jpg", false, ""},
        {"/p/cut.jpg", false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        const std::string target = InImgs("target.jpg");
        EXPECT_EQ(m_folder.DownloadToFile(m_server.Url(c.path), target), c.ok);
        if (c.ok) {
            EXPECT_EQ(ReadFile(target), c.body);
        } else {
            EXPECT_FALSE(fs::exists(target));
        }
        EXPECT_EQ(FolderContent(Imgs()).size(), c.ok ? 1u : 0u);  // no temporary file left
        fs::remove(target);
    }
    // A failure leaves a file that was there untouched; a success replaces it.
    Put("keep.jpg", "previous");
    EXPECT_FALSE(m_folder.DownloadToFile(m_server.Url("/p/cut.jpg"), InImgs("keep.jpg")));
    EXPECT_EQ(ReadFile(Imgs() / "keep.jpg"), "previous");
    EXPECT_TRUE(m_folder.DownloadToFile(m_server.Url("/p/sea.jpg"), InImgs("keep.jpg")));
    EXPECT_EQ(ReadFile(Imgs() / "keep.jpg"), kSea);
    fs::remove(Imgs() / "keep.jpg");

    EXPECT_FALSE(m_folder.DownloadToFile("http://127.0.0.1:1/none.jpg", InImgs("x.jpg")));
    EXPECT_FALSE(m_folder.DownloadToFile(m_server.Url("/p/sea.jpg"), InImgs("no/x.jpg")));
    EXPECT_TRUE(FolderContent(Imgs()).empty());
    for (const RecordedRequest& request : m_server.Requests()) {
        EXPECT_EQ(request.userAgent, "lumo");
    }
}

TEST_F(WallpaperDownloadTest, AnAbandonedTransferEndsWhileTheServerIsSilentAndLeavesNoFile) {
    MakeImgs();
    // One byte, then silence for five seconds, then the rest: a transfer that is not abandoned
    // would complete.
    m_server.On("/p/stalled.jpg", [](const httplib::Request&, httplib::Response& response) {
        response.set_chunked_content_provider(
            "image/jpeg", [](size_t offset, httplib::DataSink& sink) {
                if (offset == 0) {
                    sink.write("s", 1);
                    return true;
                }
                std::this_thread::sleep_for(std::chrono::seconds(5));
                sink.write("rest", 4);
                sink.done();
                return true;
            });
    });
    std::atomic<bool> abandon = false;
    std::thread exitPath([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        abandon = true;
    });
    const std::string target = InImgs("stalled.jpg");
    EXPECT_FALSE(m_folder.DownloadToFile(m_server.Url("/p/stalled.jpg"), target, &abandon));
    exitPath.join();
    EXPECT_TRUE(FolderContent(Imgs()).empty()) << "neither the picture nor a temporary file";
}

TEST_F(WallpaperDownloadTest, FetchForWallpaperDownloadsOnlyWhatIsMissing) {
    // The first link creates the folder and downloads the plain picture.
    EXPECT_EQ(m_folder.FetchForWallpaper(m_server.Url("/p/sea.jpg"), "sea", "jpg"),
              InImgs("sea.jpg"));
    EXPECT_EQ(ReadFile(Imgs() / "sea.jpg"), kSea);
    EXPECT_EQ(m_server.Requests().size(), 1u);
    // Present as plain or as favourite: nothing is fetched again.
    EXPECT_EQ(m_folder.FetchForWallpaper(m_server.Url("/p/sea.jpg"), "sea", "jpg"),
              InImgs("sea.jpg"));
    Put("star_LMSC.jpg", "mine");
    EXPECT_EQ(m_folder.FetchForWallpaper(m_server.Url("/p/sea.jpg"), "star", "jpg"),
              InImgs("star_LMSC.jpg"));
    EXPECT_EQ(m_server.Requests().size(), 1u);
    // A failed download gives no path: there is nothing to apply.
    EXPECT_EQ(m_folder.FetchForWallpaper(m_server.Url("/p/missing.jpg"), "gone", "jpg"), "");
    EXPECT_EQ(FolderContent(Imgs()), (std::set<std::string>{"sea.jpg", "star_LMSC.jpg"}));
}

TEST_F(WallpaperDownloadTest, FetchAsFavouriteRenamesOrDownloads) {
    MakeImgs();
    Put("sea.jpg", "plain sea");
    EXPECT_EQ(m_folder.FetchAsFavourite(m_server.Url("/p/sea.jpg"), "sea", "jpg"),
              InImgs("sea_LMSC.jpg"));
    EXPECT_EQ(FolderContent(Imgs()), std::set<std::string>{"sea_LMSC.jpg"});
    EXPECT_EQ(ReadFile(Imgs() / "sea_LMSC.jpg"), "plain sea");

    Put("sea.jpg", "another sea");
    m_folder.FetchAsFavourite(m_server.Url("/p/sea.jpg"), "sea", "jpg");  // both exist
    EXPECT_EQ(ReadFile(Imgs() / "sea.jpg"), "another sea");
    EXPECT_EQ(ReadFile(Imgs() / "sea_LMSC.jpg"), "plain sea");

    fs::remove(Imgs() / "sea.jpg");
    fs::remove(Imgs() / "sea_LMSC.jpg");
    EXPECT_TRUE(m_server.Requests().empty());
    EXPECT_EQ(m_folder.FetchAsFavourite(m_server.Url("/p/sea.jpg"), "sea", "jpg"),
              InImgs("sea_LMSC.jpg"));
    EXPECT_EQ(FolderContent(Imgs()), std::set<std::string>{"sea_LMSC.jpg"});
    EXPECT_EQ(ReadFile(Imgs() / "sea_LMSC.jpg"), kSea);
    EXPECT_EQ(m_folder.FetchAsFavourite(m_server.Url("/p/missing.jpg"), "gone", "jpg"), "");
    EXPECT_EQ(FolderContent(Imgs()), std::set<std::string>{"sea_LMSC.jpg"});
}

TEST_F(WallpaperDownloadTest, UnsafeNamesAreRefusedWithoutARequest) {
    WriteFile(fs::path(m_collection) / "outside.jpg", "not in the collection");
    struct Case {
        std::string name;
        std::string extension;
    };
    const Case cases[] = {
        {"../outside", "jpg"},
        {"../../escape", "jpg"},
        {"a/b", "jpg"},
        {"sea", "jpg?x=/../y"},
        {"", "jpg"},
        {"sea", ""},
        {".", "jpg"},
        {"..", "jpg"},
        {std::string("se\0a", 4), "jpg"},
        {"sea", ".."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name + "|" + c.extension);
        EXPECT_EQ(m_folder.FetchForWallpaper(m_server.Url("/p/sea.jpg"), c.name, c.extension), "");
        EXPECT_EQ(m_folder.FetchAsFavourite(m_server.Url("/p/sea.jpg"), c.name, c.extension), "");
        m_folder.AddLocalPicture((fs::path(m_collection) / "outside.jpg").string(), c.name,
                                 c.extension);
    }
    EXPECT_TRUE(m_server.Requests().empty());
    EXPECT_EQ(FolderContent(m_collection), std::set<std::string>{"outside.jpg"});
    EXPECT_EQ(FolderContent(m_dir.Path()), std::set<std::string>{"collection"});
}

}  // namespace
}  // namespace lumora::test
