#include <cerrno>
#include <fstream>
#include <sstream>

#include "GalleryTestFrame.h"
#include "platform/Thumbnailer.h"

namespace lumora {
namespace {

constexpr std::uint32_t kQuadrants[4] = {0xE02020, 0x20C040, 0x2040E0, 0xF0F0F0};

class GalleryCardTest : public GalleryTest {
protected:
    PicBox& OnlyCard() {
        PageDlg& page = Shown();
        EXPECT_EQ(page.Cards().size(), 1u);
        return *page.Cards().at(0);
    }
    Point Centre(const Wnd& wnd) const { return CentreOf(wnd); }
    // The screen point at `percent` of the tag's width, half way down.
    Point OnTag(const PicBox& card, int percent) const {
        const Rect tag = ControlOf<BgButton>(card, kIdCardTag).GetWindowRect();
        return {tag.left + tag.Width() * percent / 100, (tag.top + tag.bottom) / 2};
    }
    void ClickTag(PicBox& card, int percent) {
        host.MoveTo(Centre(card));
        host.MoveTo(OnTag(card, percent));
        host.Click(OnTag(card, percent));
        Drain();
    }
};

TEST_F(GalleryCardTest, ShowsANeutralFaceThenItsPictureStretchedOverThePictureArea) {
    std::filesystem::create_directories(Imgs());
    test::WritePicture(Imgs() / "x.png", test::QuadrantImage(40, 20, kQuadrants), "png");
    OpenGallery();
    PicBox& card = OnlyCard();
    EXPECT_EQ(PicBox::PictureAreaSize(), (Size{217, 124}));
    EXPECT_EQ(card.GetDlgItem(kIdCardPicture)->GetClientRect(), Rect::FromXywh(0, 0, 217, 124));
    host.RunUntilIdle();
    EXPECT_EQ(SurfacePixel(InPicture(card, 50, 30)), PicBox::kWaitingFace);

    Drain();
    EXPECT_EQ(card.State(), PicBox::PictureState::Shown);
    // The quadrants meet at the middle of the whole area (108, 62), part of which the card's
    // own edge cuts off.
    EXPECT_EQ(SurfacePixel(InPicture(card, 50, 30)), kQuadrants[0]);
    EXPECT_EQ(SurfacePixel(InPicture(card, 160, 30)), kQuadrants[1]);
    EXPECT_EQ(SurfacePixel(InPicture(card, 50, 95)), kQuadrants[2]);
    EXPECT_EQ(SurfacePixel(InPicture(card, 160, 95)), kQuadrants[3]);
    EXPECT_EQ(SurfacePixel(InPicture(card, 104, 30)), kQuadrants[0]);
    EXPECT_EQ(SurfacePixel(InPicture(card, 112, 30)), kQuadrants[1]);
    // Only what the card shows is kept: the area reaches beyond its right and bottom edges.
    const Rect area = card.GetDlgItem(kIdCardPicture)->RectInParent();
    EXPECT_EQ(PicBox::VisiblePictureSize(), (Size{205 - area.left, 112}));
    EXPECT_EQ(card.Picture().Bytes(), static_cast<size_t>(205 - area.left) * 112u * 3u);
}

TEST_F(GalleryCardTest, MissingFileShowsThePlaceholderAndAnUndecodableOneNothing) {
    std::filesystem::create_directories(Imgs());
    test::WritePicture(Imgs() / "gone.png", test::QuadrantImage(40, 20, kQuadrants), "png");
    test::WriteFile(Imgs() / "bad.jpg", "not a picture");
    OpenGallery();
    PageDlg& page = Shown();
    ASSERT_EQ(page.Cards().size(), 2u);
    std::filesystem::remove(Imgs() / "gone.png");  // behind the program's back
    Drain();
    for (const auto& card : page.Cards()) {
        const Point at = InPicture(*card, 60, 40);
        if (card->PicturePath() == InImgs("bad.jpg")) {
            EXPECT_EQ(card->State(), PicBox::PictureState::Undecodable);
            // Nothing drawn: the skin behind the transparent card shows.
            EXPECT_NE(SurfacePixel(at), PicBox::kWaitingFace);
        } else {
            EXPECT_EQ(card->State(), PicBox::PictureState::Shown);
            EXPECT_EQ(card->PicturePath(), InImgs("gone.png"));
            std::optional<BgraImage> normal = SystemThumbnailer().CardPicture(
                (dir / "styles/normal.jpg").string(), PicBox::PictureAreaSize());
            ASSERT_TRUE(normal);
            EXPECT_EQ(SurfacePixel(at), test::PixelAt(*normal, 60, 40) & 0xFFFFFF);
        }
    }
}

TEST_F(GalleryCardTest, ButtonsComeUpOnHoverAndStayWhileTheMouseIsOnThem) {
    AddPictures(2);
    OpenGallery();
    Drain();
    PicBox& card = *Shown().Cards()[0];
    const Wnd& tag = ControlOf<BgButton>(card, kIdCardTag);
    const Wnd& del = ControlOf<BgButton>(card, kIdCardDelete);
    EXPECT_EQ(tag.RectInParent(), PicBox::kTagRect);
    EXPECT_EQ(del.RectInParent(), PicBox::kDeleteRect);
    EXPECT_FALSE(tag.IsVisibleFlag());
    EXPECT_FALSE(del.IsVisibleFlag());
    const Point delCentre = dlg->ScreenToClient(Centre(del));
    const std::uint32_t beforeHover = SurfacePixel(delCentre);

    host.MoveTo(Centre(card));
    EXPECT_TRUE(tag.IsVisibleFlag());
    EXPECT_TRUE(del.IsVisibleFlag());
    EXPECT_EQ(host.Find(dlg->GetSurface())->cursor, CursorShape::Hand);
    EXPECT_NE(SurfacePixel(delCentre), beforeHover);  // del.png drawn over the picture

    // From the picture onto the delete button, then off the card from there: they stay.
    host.MoveTo(Centre(del));
    EXPECT_TRUE(tag.IsVisibleFlag());
    EXPECT_TRUE(del.IsVisibleFlag());
    const Rect outside = card.GetWindowRect();
    host.MoveTo({outside.right + 3, outside.top + 10});
    EXPECT_TRUE(del.IsVisibleFlag());
    // Back onto the picture and off the card from there: they go.
    host.MoveTo(Centre(card));
    host.MoveTo({outside.left + 100, outside.top - 3});
    EXPECT_FALSE(tag.IsVisibleFlag());
    EXPECT_FALSE(del.IsVisibleFlag());
}

TEST_F(GalleryCardTest, SkinImagesOfTheButtonsAreSharedByEveryCard) {
    AddPictures(17);
    OpenGallery();
    Wheel(Shown(), 2);
    const auto& cards = Shown().Cards();
    ASSERT_TRUE(cards[0]->IsWindow() && cards[16]->IsWindow());
    EXPECT_FALSE(ControlOf<BgButton>(*cards[0], kIdCardTag).NormalBits().Empty());
    EXPECT_EQ(ControlOf<BgButton>(*cards[0], kIdCardTag).NormalBits().pixels.data(),
              ControlOf<BgButton>(*cards[16], kIdCardTag).NormalBits().pixels.data());
    EXPECT_EQ(ControlOf<BgButton>(*cards[0], kIdCardDelete).NormalBits().pixels.data(),
              ControlOf<BgButton>(*cards[16], kIdCardDelete).NormalBits().pixels.data());
}

TEST_F(GalleryCardTest, TagZonesSetTheWallpaperOrMakeAFavourite) {
    std::filesystem::create_directories(Imgs());
    test::WritePicture(Imgs() / "x.jpg", test::QuadrantImage(64, 32, kQuadrants), "jpeg");
    OpenGallery();
    Drain();
    PicBox& card = OnlyCard();
    const std::string bitmap = InImgs("temp.bmp");

    ClickTag(card, 60);  // between the zones: nothing
    EXPECT_TRUE(host.messageBoxes.empty());
    EXPECT_FALSE(std::filesystem::exists(bitmap));

    ClickTag(card, 0);
    ASSERT_EQ(host.desktop.calls.size(), 1u);
    EXPECT_EQ(host.desktop.calls[0].path, bitmap);
    EXPECT_EQ(host.desktop.calls[0].layout, kLayoutStretched);
    std::optional<BgraImage> applied = LoadImageFile(bitmap);
    ASSERT_TRUE(applied);
    EXPECT_EQ(applied->width, 64);
    ASSERT_EQ(host.messageBoxes.size(), 1u);
    EXPECT_EQ(host.messageBoxes[0].text, "壁纸设置成功");
    EXPECT_EQ(host.messageBoxes[0].caption, "Lumora");
    EXPECT_EQ(host.messageBoxes[0].style, MessageBoxStyle{});

    ClickTag(card, 90);
    EXPECT_TRUE(std::filesystem::exists(Imgs() / "x_LMSC.jpg"));
    EXPECT_TRUE(std::filesystem::exists(Imgs() / "x.jpg"));
    EXPECT_EQ(host.messageBoxes.back().text, "壁纸收藏成功！");
    EXPECT_EQ(Shown().Cards().size(), 1u);  // no reload

    ClickTag(card, 90);  // its favourite twin exists now
    EXPECT_EQ(host.messageBoxes.back().text, "壁纸已经收藏！");

    // The desktop refuses, then the file is gone: both fail.
    host.desktop.status = EIO;
    ClickTag(card, 0);
    EXPECT_EQ(host.messageBoxes.back().text, "壁纸设置失败");
    host.desktop.status = 0;
    std::filesystem::remove(Imgs() / "x.jpg");
    std::filesystem::remove(Imgs() / "x_LMSC.jpg");
    ClickTag(card, 0);
    EXPECT_EQ(host.messageBoxes.back().text, "壁纸设置失败");
    ClickTag(card, 90);
    EXPECT_EQ(host.messageBoxes.back().text, "壁纸收藏失败！");
    EXPECT_EQ(host.messageBoxes.size(), 6u);
}

TEST_F(GalleryCardTest, AFavouriteCardSaysItIsOneAlready) {
    std::filesystem::create_directories(Imgs());
    test::WritePicture(Imgs() / "x_LMSC.jpg", test::QuadrantImage(64, 32, kQuadrants), "jpeg");
    OpenGallery();
    Drain();
    ClickTag(OnlyCard(), 90);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"壁纸已经收藏！"});
    EXPECT_EQ(FolderFiles(), std::vector<std::string>{"x_LMSC.jpg"});
}

TEST_F(GalleryCardTest, DeleteMovesTheFileAwayWithoutAQuestionAndReloads) {
    AddPictures(3);
    OpenGallery();
    Drain();
    PicBox& card = *Shown().Cards()[1];
    const std::string path = card.PicturePath();
    host.MoveTo(Centre(card));
    host.Click(Centre(ControlOf<BgButton>(card, kIdCardDelete)));
    host.RunUntilIdle();
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_TRUE(host.messageBoxes.empty());
    ASSERT_EQ(Shown().Cards().size(), 2u);
    for (const auto& left : Shown().Cards()) EXPECT_NE(left->PicturePath(), path);
    // The ctest run points XDG_DATA_HOME at the build folder: the file is in that trash.
    if (const char* data = std::getenv("XDG_DATA_HOME")) {
        const auto trashed = std::filesystem::path(data) / "Trash/info";
        bool found = false;
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator(trashed, error)) {
            std::stringstream info;
            info << std::ifstream(entry.path()).rdbuf();
            found = found || info.str().find(std::filesystem::path(path).filename().string()) !=
                                 std::string::npos;
        }
        EXPECT_TRUE(found);
    }
}

}  // namespace
}  // namespace lumora
