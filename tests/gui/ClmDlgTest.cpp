#include "ClmDlgTestFrame.h"
#include "platform/ImageFile.h"

namespace lumora {
namespace {

TEST_F(ClmDlgTest, OpensCentredWithTheAdLinkAndTheOnlinePage) {
    ClmDlg& w = Open();
    const HeadlessHost::Surface* surface = host.Find(w.GetSurface());
    ASSERT_NE(surface, nullptr);
    EXPECT_TRUE(surface->visible);
    EXPECT_EQ(surface->screen, Rect::FromXywh(510, 206, 900, 667));
    EXPECT_EQ(w.GetWindowText(), "Lumora");
    EXPECT_EQ(surface->options.title, "Lumora");  // what the task bar shows
    EXPECT_EQ(w.GetDlgItem(kIdAdLink)->GetWindowText(), "Lumora 2.0");
    EXPECT_TRUE(host.messageBoxes.empty());

    // getad goes out with the usage report of a program started from its own directory.
    ASSERT_EQ(Operations(), std::vector<std::string>{"getad"});
    EXPECT_NE(server.Requests()[0].target.find("stype=runstart"), std::string::npos);

    EXPECT_EQ(PartOf<LMDialog>(w).RectInParent(), (Rect{1, 67, 899, 591}));
    EXPECT_EQ(PartOf<SCDIALOG>(w).RectInParent(), (Rect{1, 67, 899, 591}));
    EXPECT_TRUE(PartOf<LMDialog>(w).IsWindowVisible());
    EXPECT_FALSE(PartOf<SCDIALOG>(w).IsVisibleFlag());
    for (Wnd* popup :
         std::initializer_list<Wnd*>{&PartOf<TimeDLG>(w), &PartOf<PPSET>(w), &PartOf<Setting>(w)}) {
        EXPECT_TRUE(popup->IsWindow());
        EXPECT_FALSE(popup->IsVisibleFlag());
        EXPECT_EQ(popup->GetOwner(), &w);
    }
    EXPECT_EQ(w.GetDlgItem(kIdSearchBox)->GetWindowText(), "找壁纸");
    EXPECT_EQ(w.GetDlgItem(kIdSearch)->RectInParent(), Rect::FromXywh(853, 37, 31, 23));

    ClickControl(kIdAdLink);
    EXPECT_EQ(shell.openedUrls, std::vector<std::string>{"http://ad.test/page"});
}

TEST_F(ClmDlgTest, BackgroundIsTheSkinPictureAndTheRotationButtonFollowsAuto) {
    std::optional<BgraImage> bg = LoadImageFile((dir / "styles/bg.png").string());
    ASSERT_TRUE(bg);
    std::uint32_t rotationOn = 0;
    for (int autoValue : {1, 0}) {
        WriteConfig("AUTO=" + std::to_string(autoValue) + "\n");
        ClmDlg& w = Open();
        // Points of the background between the controls of the title bar and the bottom bar.
        for (Point p : {Point{450, 20}, Point{300, 630}, Point{890, 655}}) {
            const std::uint8_t* px = &bg->pixels[static_cast<size_t>((p.y * bg->width + p.x) * 4)];
            std::uint32_t expected =
                (std::uint32_t{px[2]} << 16) | (std::uint32_t{px[1]} << 8) | px[0];
            EXPECT_EQ(host.Pixel(w.GetSurface(), p) & 0xFFFFFF, expected) << p.x << "," << p.y;
        }
        EXPECT_EQ(ControlOf<BTButton>(w, kIdRotation).selected, autoValue);
        std::uint32_t rotation = host.Pixel(w.GetSurface(), {30, 630});
        if (autoValue == 1)
            rotationOn = rotation;
        else
            EXPECT_NE(rotation, rotationOn);
    }
}

TEST_F(ClmDlgTest, WithoutAnAdReplyTheUserIsToldBeforeTheWindowShows) {
    adReply = "";
    bool shownAtTheBox = true;
    host.messageBoxHandler = [&](const HeadlessHost::MessageBoxCall&) {
        shownAtTheBox = dlg->IsVisibleFlag();
        return IDOK;
    };
    ClmDlg& w = Open();
    ASSERT_EQ(host.messageBoxes.size(), 1u);
    EXPECT_EQ(host.messageBoxes[0].text, "您的网络可能没有接上，请检查网络！");
    EXPECT_FALSE(shownAtTheBox);
    EXPECT_TRUE(Visible());
    EXPECT_EQ(w.GetDlgItem(kIdAdLink)->GetWindowText(), "");
    ClickControl(kIdAdLink);
    EXPECT_EQ(shell.openedUrls, std::vector<std::string>{LUMO_SITE_ORIGIN "/"});
}

TEST_F(ClmDlgTest, AdLinkOpensOnlyWebPages) {
    struct Case {
        const char* reply;
        std::vector<std::string> opened;
    };
    const Case cases[] = {
        {"Ad,https://ad.test/x", {"https://ad.test/x"}},
        {"Ad,file:///etc/passwd", {}},
        {"Ad,/usr/bin/xterm", {}},
        {"Ad", {LUMO_SITE_ORIGIN "/"}},
    };
    for (const Case& c : cases) {
        adReply = c.reply;
        shell.openedUrls.clear();
        Open();
        ClickControl(kIdAdLink);
        EXPECT_EQ(shell.openedUrls, c.opened) << c.reply;
    }
}

TEST_F(ClmDlgTest, TabsSwitchThePagesAndTheSelectedTabDoesNothing) {
    ClmDlg& w = Open();
    ClickControl(kIdOnlineTab);
    EXPECT_EQ(ControlOf<BTButton>(w, kIdOnlineTab).selected, 1);
    EXPECT_EQ(ControlOf<BTButton>(w, kIdGalleryTab).selected, 0);
    EXPECT_TRUE(PartOf<LMDialog>(w).IsVisibleFlag());
    EXPECT_FALSE(PartOf<SCDIALOG>(w).IsVisibleFlag());

    ClickControl(kIdGalleryTab);
    EXPECT_EQ(ControlOf<BTButton>(w, kIdOnlineTab).selected, 0);
    EXPECT_EQ(ControlOf<BTButton>(w, kIdGalleryTab).selected, 1);
    EXPECT_FALSE(PartOf<LMDialog>(w).IsVisibleFlag());
    EXPECT_TRUE(PartOf<SCDIALOG>(w).IsVisibleFlag());

    ClickControl(kIdGalleryTab);
    EXPECT_EQ(ControlOf<BTButton>(w, kIdGalleryTab).selected, 1);
    EXPECT_TRUE(PartOf<SCDIALOG>(w).IsVisibleFlag());

    ClickControl(kIdOnlineTab);
    EXPECT_EQ(ControlOf<BTButton>(w, kIdOnlineTab).selected, 1);
    EXPECT_TRUE(PartOf<LMDialog>(w).IsVisibleFlag());
    EXPECT_FALSE(PartOf<SCDIALOG>(w).IsVisibleFlag());
}

TEST_F(ClmDlgTest, SearchButtonAsksForAKeywordOrOpensTheEncodedSearch) {
    ClmDlg& w = Open();
    Wnd& box = *w.GetDlgItem(kIdSearchBox);
    struct Case {
        const char* text;
        const char* opened;  // nullptr: the keyword is asked for
    };
    const Case cases[] = {
        {"找壁纸", nullptr},      {"", nullptr},    {"a b", "a+b"},
        {"壁纸", "%B1%DA%D6%BD"}, {"-.", "%2D%2E"},
    };
    for (const Case& c : cases) {
        host.messageBoxes.clear();
        shell.openedUrls.clear();
        box.SetWindowText(c.text);
        ClickControl(kIdSearch);
        if (c.opened == nullptr) {
            ASSERT_EQ(host.messageBoxes.size(), 1u) << c.text;
            EXPECT_EQ(host.messageBoxes[0].text, "请输入关键词！");
            EXPECT_EQ(host.messageBoxes[0].caption, "lumo");
            EXPECT_EQ(host.messageBoxes[0].style, MessageBoxStyle{});
            EXPECT_TRUE(shell.openedUrls.empty());
        } else {
            EXPECT_TRUE(host.messageBoxes.empty()) << c.text;
            EXPECT_EQ(shell.openedUrls, std::vector<std::string>{std::string(kSearch) + c.opened});
        }
    }
}

TEST_F(ClmDlgTest, PlaceholderGoesWithTheFocusAndEnterSearchesAsTyped) {
    ClmDlg& w = Open();
    Wnd& box = *w.GetDlgItem(kIdSearchBox);
    box.SetFocus();
    host.RunUntilIdle();
    EXPECT_EQ(box.GetWindowText(), "");
    // Enter in the empty box opens the bare prefix, without asking.
    host.Key(VK_RETURN);
    EXPECT_EQ(shell.openedUrls, std::vector<std::string>{kSearch});
    EXPECT_TRUE(host.messageBoxes.empty());
    EXPECT_FALSE(w.IsModal());
    EXPECT_TRUE(Visible());

    host.Type("壁纸");
    host.Key(VK_RETURN);
    EXPECT_EQ(shell.openedUrls.back(), std::string(kSearch) + "%B1%DA%D6%BD");
    EXPECT_EQ(box.GetWindowText(), "壁纸");

    w.GetDlgItem(kIdOnlineTab)->SetFocus();
    EXPECT_EQ(box.GetWindowText(), "壁纸");
    box.SetWindowText("");
    box.SetFocus();
    w.GetDlgItem(kIdOnlineTab)->SetFocus();
    EXPECT_EQ(box.GetWindowText(), "找壁纸");
}

TEST_F(ClmDlgTest, AddLocalWallpaperCopiesAFavouriteWithoutOverwriting) {
    Open();
    std::filesystem::create_directory(Imgs());
    test::WriteFile(dir / "sea.jpg", "new sea");
    test::WriteFile(dir / "sky.jpg", "new sky");
    test::WriteFile(dir / "imgs/sky_LMSC.jpg", "old sky");

    host.ScriptOpenFile(std::nullopt);
    ClickControl(kIdAddLocal);
    ASSERT_EQ(host.fileDialogs.size(), 1u);
    EXPECT_EQ(host.fileDialogs[0].owner, 0u);
    const std::vector<FileFilter> types{{"Describe Files (*.jpg)", {"*.jpg"}},
                                        {"All Files (*.*)", {"*"}}};
    EXPECT_EQ(host.fileDialogs[0].filters, types);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Imgs()), {}), 1);

    host.ScriptOpenFile((dir / "sky.jpg").string());
    ClickControl(kIdAddLocal);
    EXPECT_EQ(test::ReadFile(dir / "imgs/sky_LMSC.jpg"), "old sky");

    host.ScriptOpenFile((dir / "sea.jpg").string());
    ClickControl(kIdAddLocal);
    EXPECT_EQ(test::ReadFile(dir / "imgs/sea_LMSC.jpg"), "new sea");
}

TEST_F(ClmDlgTest, BackgroundDragsTheWindow) {
    ClmDlg& w = Open();
    Point onBackground = w.ClientToScreen(Point{450, 620});
    host.Press(onBackground);
    host.Release(onBackground);
    // The title text lets the mouse through to the window below it.
    Point onTitle = CentreOf(*w.GetDlgItem(kIdTitle));
    host.Press(onTitle);
    host.Release(onTitle);
    ASSERT_EQ(host.moveDrags.size(), 2u);
    EXPECT_EQ(host.moveDrags[0], std::make_pair(w.GetSurface(), onBackground));
}

}  // namespace
}  // namespace lumora
