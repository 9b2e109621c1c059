#include "GalleryParts.h"
#include "GalleryTestFrame.h"

namespace lumora {
namespace {

TEST_F(GalleryTest, FilterBarHasItsLinksBackgroundAndPages) {
    AddPictures(3);
    SCDIALOG& bar = OpenGallery();
    EXPECT_EQ(AllButton(bar).RectInParent(), Rect::FromXywh(0, 0, 160, 32));
    EXPECT_EQ(FavouritesButton(bar).RectInParent(), Rect::FromXywh(160, 0, 160, 32));
    EXPECT_EQ(AllButton(bar).mode, TBM_HIGHLIGHT);
    EXPECT_EQ(AllButton(bar).pinned, 1);
    EXPECT_EQ(FavouritesButton(bar).mode, TBM_NORMAL);
    // Template 106 measures 560 x 350 with the 7 x 14 base units.
    EXPECT_EQ(AllPage(bar).RectInParent(), Rect::FromXywh(0, 32, 897, 492));
    EXPECT_EQ(FavouritesPage(bar).RectInParent(), Rect::FromXywh(0, 32, 897, 492));
    EXPECT_EQ(bar.ShownPage(), &AllPage(bar));
    EXPECT_TRUE(AllPage(bar).IsVisibleFlag());
    EXPECT_FALSE(FavouritesPage(bar).IsVisibleFlag());
    EXPECT_EQ(AllPage(bar).filter, "all");
    EXPECT_EQ(FavouritesPage(bar).filter, "sc");
    EXPECT_EQ(AllPage(bar).Cards().size(), 3u);
    EXPECT_TRUE(FavouritesPage(bar).Cards().empty());  // not loaded until chosen
}

TEST_F(GalleryTest, PagesHoldSixteenCardsInAFourByFourGrid) {
    struct Case {
        int pictures;
        int pages;
        int scrollMax;
        bool scrollBar;
        int shownFirst;
    };
    for (const Case& c :
         {Case{0, 0, 0, false, 0}, Case{16, 1, 520, true, 16}, Case{17, 2, 1040, true, 16}}) {
        SCOPED_TRACE(c.pictures);
        std::filesystem::remove_all(Imgs());
        std::filesystem::create_directories(Imgs());
        AddPictures(c.pictures);
        if (!dlg) OpenGallery();
        PageDlg& page = Shown();
        page.Reload();
        EXPECT_EQ(page.PageCount(), c.pages);
        EXPECT_EQ(page.Scroll().max, c.scrollMax);
        EXPECT_EQ(page.Scroll().page, 520u);
        EXPECT_EQ(page.Cards().size(), static_cast<size_t>(c.pictures));
        ASSERT_NE(page.VerticalScrollBar(), nullptr);
        EXPECT_EQ(page.VerticalScrollBar()->Visible(), c.scrollBar);
        EXPECT_EQ(VisibleCards(page), c.shownFirst);
        for (int i = 0; i < c.shownFirst; ++i) {
            EXPECT_EQ(page.Cards()[i]->RectInParent(),
                      Rect::FromXywh(15 + 220 * (i % 4), 5 + 123 * (i / 4), 205, 112));
        }
    }
    // The seventeenth card shows alone on page 2, at the first place.
    PageDlg& page = Shown();
    Wheel(page, 2);
    EXPECT_EQ(page.CurrentPage(), 2);
    EXPECT_EQ(VisibleCards(page), 1);
    EXPECT_TRUE(page.Cards()[16]->IsVisibleFlag());
    EXPECT_EQ(page.Cards()[16]->RectInParent(), Rect::FromXywh(15, 5, 205, 112));
}

TEST_F(GalleryTest, MissingFolderEmptiesThePageButKeepsItsCountAndScrollBar) {
    AddPictures(17);
    OpenGallery();
    PageDlg& page = Shown();
    Wheel(page, 2);
    std::filesystem::remove_all(Imgs());
    page.Reload();
    EXPECT_TRUE(page.Cards().empty());
    EXPECT_EQ(page.CurrentPage(), 1);
    EXPECT_EQ(page.PageCount(), 2);
    EXPECT_EQ(page.Scroll().max, 1040);
    EXPECT_TRUE(page.VerticalScrollBar()->Visible());
}

TEST_F(GalleryTest, WheelShowsThePageOfTheNewPositionAndStaysInTheBarsRange) {
    AddPictures(40);  // three pages: maximum 1560, the bar's last position 1041
    OpenGallery();
    PageDlg& page = Shown();
    struct Step {
        int notches;
        int position;
        int page;
    };
    for (const Step& s : {Step{1, 260, 1}, Step{1, 520, 2}, Step{2, 1040, 3}, Step{3, 1041, 3},
                          Step{-1, 781, 2}, Step{-9, 0, 1}}) {
        Wheel(page, s.notches);
        EXPECT_EQ(page.GetScrollPos(SB_VERT), s.position) << s.notches;
        EXPECT_EQ(page.Scroll().pos, s.position) << s.notches;
        EXPECT_EQ(page.CurrentPage(), s.page) << s.notches;
    }
    // A wheel without a delta changes nothing.
    Wheel(page, 1);
    page.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, 0), 0);
    EXPECT_EQ(page.GetScrollPos(SB_VERT), 260);

    // The main window forwards the wheel turned anywhere over it while the gallery shows.
    host.Wheel(host.ToScreen(dlg->GetSurface(), {300, 20}), -120);
    EXPECT_EQ(page.GetScrollPos(SB_VERT), 520);
    EXPECT_EQ(page.CurrentPage(), 2);
    ClickControl(kIdOnlineTab);
    host.Wheel(host.ToScreen(dlg->GetSurface(), {300, 20}), -120);
    EXPECT_EQ(page.GetScrollPos(SB_VERT), 520);
}

// The parent of a page, counting the wheel messages that reach it.
class WheelSpy : public Wnd {
public:
    std::vector<short> deltas;

protected:
    bool OnMouseWheel(UINT /*flags*/, short delta, Point /*screen*/) override {
        deltas.push_back(delta);
        return true;
    }
};

TEST_F(GalleryTest, EveryWheelGoesOnToTheParentAlsoWithoutADelta) {
    AddPictures(20);
    Open();
    WheelSpy spy;
    spy.CreateEx(0, "", WS_POPUP | WS_VISIBLE, Rect::FromXywh(0, 0, 900, 560), nullptr);
    PageDlg page;
    ASSERT_TRUE(page.Create(&spy));
    page.filter = "all";
    page.Reload();
    for (int delta : {-120, 0, 120}) {
        page.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<unsigned>(delta)), 0);
    }
    EXPECT_EQ(spy.deltas, (std::vector<short>{-120, 0, 120}));
    EXPECT_EQ(page.GetScrollPos(SB_VERT), 0);
    EXPECT_EQ(page.CurrentPage(), 1);
}

TEST_F(GalleryTest, ScrollBarShowsThePageOnceScrollingEnds) {
    AddPictures(40);
    OpenGallery();
    PageDlg& page = Shown();
    auto scroll = [&](UINT code, int pos = 0) {
        page.SendMessage(WM_VSCROLL, MAKEWPARAM(code, static_cast<unsigned>(pos)), 0);
    };
    struct Step {
        UINT code;
        int thumb;
        int position;
        int page;
    };
    for (const Step& s :
         {Step{SB_PAGEDOWN, 0, 520, 1}, Step{SB_ENDSCROLL, 0, 520, 2}, Step{SB_BOTTOM, 0, 1041, 2},
          Step{SB_ENDSCROLL, 0, 1041, 3}, Step{SB_LINEUP, 0, 781, 3}, Step{SB_ENDSCROLL, 0, 781, 2},
          Step{SB_THUMBTRACK, 100, 100, 2}, Step{SB_THUMBPOSITION, 100, 100, 1},
          Step{SB_LINEDOWN, 0, 360, 1}, Step{SB_TOP, 0, 0, 1}, Step{SB_PAGEUP, 0, 0, 1}}) {
        scroll(s.code, s.thumb);
        EXPECT_EQ(page.GetScrollPos(SB_VERT), s.position) << s.code;
        EXPECT_EQ(page.CurrentPage(), s.page) << s.code;
    }
    // A click on the track below the thumb pages down, and the page follows at once.
    const Rect bar = page.ClientToScreen(page.VerticalScrollBar()->Area());
    host.Click({bar.left + 8, bar.bottom - 30});
    host.RunUntilIdle();
    EXPECT_EQ(page.GetScrollPos(SB_VERT), 520);
    EXPECT_EQ(page.CurrentPage(), 2);
    EXPECT_EQ(VisibleCards(page), 16);
}

TEST_F(GalleryTest, FilterLinksSwitchPagesRebuildTheChosenOneAndClearTheOther) {
    AddPictures(2);
    AddPictures(1, "_LMSC", 10);
    SCDIALOG& bar = OpenGallery();
    EXPECT_EQ(AllPage(bar).Cards().size(), 3u);

    ClickControl(kIdGalleryTab);
    host.Click(CentreOf(FavouritesButton(bar)));
    EXPECT_EQ(bar.ShownPage(), &FavouritesPage(bar));
    EXPECT_TRUE(FavouritesPage(bar).IsVisibleFlag());
    EXPECT_FALSE(AllPage(bar).IsVisibleFlag());
    EXPECT_TRUE(AllPage(bar).Cards().empty());
    ASSERT_EQ(FavouritesPage(bar).Cards().size(), 1u);
    EXPECT_EQ(FavouritesPage(bar).Cards()[0]->PicturePath(), InImgs("p10_LMSC.png"));
    EXPECT_EQ(FavouritesButton(bar).pinned, 1);
    EXPECT_EQ(FavouritesButton(bar).mode, TBM_HIGHLIGHT);
    EXPECT_EQ(AllButton(bar).pinned, 0);
    EXPECT_EQ(AllButton(bar).mode, TBM_NORMAL);

    // A favourite that arrived meanwhile shows when "全部" is chosen again.
    AddPictures(2, "_LMSC", 20);
    host.Click(CentreOf(AllButton(bar)));
    EXPECT_EQ(bar.ShownPage(), &AllPage(bar));
    EXPECT_EQ(AllPage(bar).Cards().size(), 5u);
    EXPECT_TRUE(FavouritesPage(bar).Cards().empty());
    EXPECT_EQ(AllButton(bar).pinned, 1);
}

TEST_F(GalleryTest, AddingALocalPictureReloadsBothPages) {
    AddPictures(2);
    SCDIALOG& bar = OpenGallery();
    const auto source = dir / "beach.png";
    test::WritePicture(source, test::PatternImage(8, 8), "png");
    host.ScriptOpenFile(source.string());
    ClickControl(kIdAddLocal);
    host.RunUntilIdle();
    ASSERT_EQ(FavouritesPage(bar).Cards().size(), 1u);
    EXPECT_EQ(FavouritesPage(bar).Cards()[0]->PicturePath(), InImgs("beach_LMSC.png"));
    EXPECT_EQ(AllPage(bar).Cards().size(), 3u);
}

TEST_F(GalleryTest, GalleryReloadMessageRebuildsTheShownPage) {
    AddPictures(2);
    SCDIALOG& bar = OpenGallery();
    AddPictures(5);
    dlg->PostMessage(WM_GALLERY_RELOAD, 0, 0);
    host.RunUntilIdle();
    EXPECT_EQ(AllPage(bar).Cards().size(), 5u);
    EXPECT_TRUE(FavouritesPage(bar).Cards().empty());
}

// Pictures come from worker jobs: the page shown first, the waiting cards neutral, and
// nothing reaches cards that are gone.
TEST_F(GalleryTest, PicturesOfThePageShownComeFirstAndStaleOnesAreDropped) {
    AddPictures(40);
    OpenGallery();
    PageDlg& page = Shown();
    EXPECT_EQ(host.PendingBackgroundJobs(), 40u);
    for (const auto& card : page.Cards()) EXPECT_EQ(card->State(), PicBox::PictureState::Waiting);

    Wheel(page, 4);  // page 3 before any picture was made
    ASSERT_EQ(page.CurrentPage(), 3);
    for (int i = 0; i < 8; ++i) host.RunOneBackgroundJob();
    host.RunUntilIdle();
    for (size_t i = 0; i < page.Cards().size(); ++i) {
        EXPECT_EQ(page.Cards()[i]->State(),
                  i >= 32 ? PicBox::PictureState::Shown : PicBox::PictureState::Waiting)
            << i;
    }
    // A reload before the rest arrived: the old jobs deliver nothing to the new cards.
    page.Reload();
    host.RunOneBackgroundJob();
    host.RunUntilIdle();
    for (const auto& card : page.Cards()) EXPECT_EQ(card->State(), PicBox::PictureState::Waiting);
    Drain();
    for (const auto& card : page.Cards()) EXPECT_EQ(card->State(), PicBox::PictureState::Shown);
}

}  // namespace
}  // namespace lumora
