#include <gtest/gtest.h>

#include "ui/LibraryLink.h"

namespace lumora {
namespace {

using Kind = LibraryLink::Kind;

TEST(LibraryLinkTest, SplitsLinksAsThePageWritesThem) {
    struct Case {
        const char* url;
        Kind kind;
        const char* pictureUrl;
        const char* name;
        const char* extension;
    };
    const Case cases[] = {
        {"app:http://s.test/w/thumb_1024.jpg>Sea", Kind::Wallpaper, "http://s.test/w/1024.jpg",
         "Sea", "jpg"},
        {"sclm:http://s.test/w/thumb_7.png>A", Kind::Favourite, "http://s.test/w/7.png", "A",
         "png"},
        // Without ">" the whole rest is the name and there is no picture.
        {"app:Sea", Kind::Wallpaper, "", "Sea", ""},
        // The first ">" splits; the name keeps the others.
        {"app:http://s.test/a.jpg>x>y>", Kind::Wallpaper, "http://s.test/a.jpg", "x>y>", "jpg"},
        // Every marker goes, in the folder names too; a marker that removal makes is kept.
        {"app:http://s.test/thumb_/thumb_b.gif>B", Kind::Wallpaper, "http://s.test//b.gif", "B",
         "gif"},
        {"app:http://s.test/ththumb_umb_c.png>C", Kind::Wallpaper, "http://s.test/thumb_c.png", "C",
         "png"},
        // The extension comes from the picture URL: after its last full stop, or all of it.
        {"app:http://s.test/p.v2/pic>D", Kind::Wallpaper, "http://s.test/p.v2/pic", "D", "v2/pic"},
        {"app:nodot>E", Kind::Wallpaper, "nodot", "E", "nodot"},
        {"app:http://s.test/海.jpg>海边日落", Kind::Wallpaper, "http://s.test/海.jpg", "海边日落",
         "jpg"},
        {"app:>", Kind::Wallpaper, "", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.url);
        std::optional<LibraryLink> link = LibraryLink::Parse(c.url);
        ASSERT_TRUE(link);
        EXPECT_EQ(link->kind, c.kind);
        EXPECT_EQ(link->pictureUrl, c.pictureUrl);
        EXPECT_EQ(link->name, c.name);
        EXPECT_EQ(link->extension, c.extension);
    }
}

TEST(LibraryLinkTest, OnlyTheExactLowerCasePrefixesAreTheProgramsLinks) {
    for (const char* url : {"APP:http://s.test/a.jpg>A", "App:x>y", "SCLM:x>y", "ap:x>y",
                            "http://s.test/app:x>y", " app:x>y", "", "app", "sclm"}) {
        SCOPED_TRACE(url);
        EXPECT_FALSE(LibraryLink::Parse(url));
    }
    EXPECT_EQ(LibraryLink::Parse("app:")->name, "");
    EXPECT_EQ(LibraryLink::Parse("sclm:")->kind, Kind::Favourite);
}

}  // namespace
}  // namespace lumora
