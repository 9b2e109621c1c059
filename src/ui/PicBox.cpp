#include "ui/PicBox.h"

#include <algorithm>

#include "app/ProcessStrings.h"
#include "res/ControlIds.h"
#include "res/DialogTemplates.h"
#include "skin/SkinBackground.h"
#include "wallpaper/WallpaperApplier.h"
#include "wallpaper/WallpaperFolder.h"

namespace lumora {

namespace {

constexpr const char* kCaption = "Lumora";
constexpr const char* kSetDone = "壁纸设置成功";
constexpr const char* kSetFailed = "壁纸设置失败";
constexpr const char* kAlreadyFavourite = "壁纸已经收藏！";
constexpr const char* kFavouriteDone = "壁纸收藏成功！";
constexpr const char* kFavouriteFailed = "壁纸收藏失败！";

}  // namespace

PicBox::PicBox() : Dialog(DialogResource(kThumbnailCardTemplate)) {}

PicBox::~PicBox() { DestroyWindow(); }

namespace {

Rect PictureArea() {
    const DialogTemplate& card = DialogResource(kThumbnailCardTemplate);
    for (const DialogItem& item : card.items) {
        if (item.id == kIdCardPicture) {
            return DialogUnits(card.pointSize).ToPixels(item.x, item.y, item.cx, item.cy);
        }
    }
    return {};
}

}  // namespace

Size PicBox::PictureAreaSize() {
    const Rect area = PictureArea();
    return {area.Width(), area.Height()};
}

Size PicBox::VisiblePictureSize() {
    const Rect area = PictureArea();
    return {std::max(0, std::min(area.right, kWidth) - area.left),
            std::max(0, std::min(area.bottom, kHeight) - area.top)};
}

std::string PicBox::PlaceholderPath() {
    return Strings().applicationDirectory + "/styles/normal.jpg";
}

void PicBox::SetPicture(std::optional<CardPicture> picture) {
    if (m_state == PictureState::Released) return;
    if (picture && !picture->Empty()) {
        m_picture = std::move(*picture);
        m_state = PictureState::Shown;
    } else {
        m_picture = CardPicture();
        m_state = PictureState::Undecodable;
    }
    if (IsWindow()) Invalidate(true);
}

void PicBox::DoDataExchange() {
    BindControl(kIdCardTag, m_tag);
    BindControl(kIdCardDelete, m_delete);
}

bool PicBox::OnInitDialog() {
    Dialog::OnInitDialog();
    ShowButtons(false);
    const std::string styles = Strings().applicationDirectory + "/styles/";
    m_tag.kind = BGK_SPLIT;
    m_tag.SetSplitImages(styles + "tag.png", styles + "TAG-L.png", styles + "TAG-R.png");
    m_tag.MoveWindow(kTagRect);
    m_delete.kind = BGK_STRETCH;
    m_delete.SetImages(styles + "del.png", "");
    m_delete.MoveWindow(kDeleteRect);
    ModifyStyle(0, WS_CLIPSIBLINGS);
    return true;
}

void PicBox::ShowButtons(bool show) {
    m_tag.ShowWindow(show ? SW_SHOW : SW_HIDE);
    m_delete.ShowWindow(show ? SW_SHOW : SW_HIDE);
}

// The picture is painted over the client rectangle of the picture area, stretched; the area
// itself and the buttons paint over it afterwards.
void PicBox::OnPaint(DC& /*dc*/) {
    Wnd* area = GetDlgItem(kIdCardPicture);
    if (area == nullptr) return;
    std::unique_ptr<DC> dc = area->GetDC();
    const Rect rect = area->GetClientRect();
    switch (m_state) {
        case PictureState::Waiting:
            dc->FillSolidRect(rect, kWaitingFace);
            break;
        case PictureState::Shown:
            m_picture.Draw(*dc, rect);
            break;
        case PictureState::Undecodable:
        case PictureState::Released:
            break;
    }
}

Brush PicBox::OnCtlColor(DC& dc, Wnd& /*control*/, UINT /*ctlColor*/) {
    return TransparentCtlColor(dc);
}

bool PicBox::OnSetCursor(Wnd& window, int hitTest, UINT mouseMessage) {
    // The card's own move handler sets the hand; this keeps it from flickering back.
    if (&window == this) {
        lumora::SetCursor(CursorShape::Hand);
        return true;
    }
    return Dialog::OnSetCursor(window, hitTest, mouseMessage);
}

void PicBox::OnMouseMove(UINT /*flags*/, Point /*point*/) {
    lumora::SetCursor(CursorShape::Hand);
    if (!m_tracking && TrackMouseEvent(*this, TME_HOVER | TME_LEAVE, 0)) {
        m_tracking = true;
        Invalidate(true);
    }
}

void PicBox::OnMouseHover(UINT /*flags*/, Point /*point*/) { ShowButtons(true); }

void PicBox::OnMouseLeave() {
    m_tracking = false;
    if (m_hideOnLeave) ShowButtons(false);
    m_hideOnLeave = true;
}

// A leave notice also comes when the mouse moves from the picture onto a button; the buttons
// then stay up.
bool PicBox::PreTranslateMessage(Msg& msg) {
    if (msg.message == WM_MOUSELEAVE) {
        const Point cursor = GetCursorPos();
        if (m_tag.GetWindowRect().Contains(cursor) || m_delete.GetWindowRect().Contains(cursor)) {
            m_hideOnLeave = false;
        }
        return false;
    }
    return Dialog::PreTranslateMessage(msg);
}

bool PicBox::OnCommand(UINT id, UINT code, Wnd* control) {
    if (code == BN_CLICKED && id == kIdCardTag) {
        TagClicked();
        return true;
    }
    if (code == BN_CLICKED && id == kIdCardDelete) {
        DeleteClicked();
        return true;
    }
    return Dialog::OnCommand(id, code, control);
}

void PicBox::TagClicked() {
    switch (BgButton::ZoneAt(m_tag.GetWindowRect(), GetCursorPos())) {
        case SplitZone::Left:
            SetAsWallpaper();
            break;
        case SplitZone::Right:
            MakeFavourite();
            break;
        case SplitZone::Between:
        case SplitZone::Outside:
            break;
    }
}

// Decoding a large picture and waiting for the desktop take a while, so the picture is applied
// on a worker; the message is shown when it is done. A card destroyed meanwhile shows nothing.
void PicBox::SetAsWallpaper() {
    m_jobs.Run(
        [picture = m_picturePath, collection = Strings().collectionDirectory,
         &desktop = CurrentHost().Desktop()](const BackgroundJobs::Token&) {
            return WallpaperApplier(collection, desktop).ApplyPicture(picture);
        },
        [this](int status) { MessageBox(status == 0 ? kSetDone : kSetFailed, kCaption); });
}

void PicBox::MakeFavourite() {
    // The gallery keeps showing this card until its next reload.
    switch (WallpaperFolder().CopyAsFavourite(m_picturePath)) {
        case WallpaperFolder::CopyOutcome::AlreadyFavourite:
            MessageBox(kAlreadyFavourite, kCaption);
            break;
        case WallpaperFolder::CopyOutcome::Copied:
            MessageBox(kFavouriteDone, kCaption);
            break;
        case WallpaperFolder::CopyOutcome::Failed:
            MessageBox(kFavouriteFailed, kCaption);
            break;
    }
}

void PicBox::DeleteClicked() {
    // The card holds no file open; from now on it draws nothing.
    m_picture = CardPicture();
    m_state = PictureState::Released;
    Invalidate(true);
    WallpaperFolder().DeleteWallpaper(m_picturePath);
    // The main window reloads the page shown, which destroys this card with the others.
    GetTopLevel()->PostMessage(WM_GALLERY_RELOAD, 0, 0);
}

}  // namespace lumora
