#pragma once

#include <optional>
#include <string>

#include "skin/BgButton.h"
#include "ui/CardPicture.h"
#include "wnd/BackgroundJobs.h"
#include "wnd/Dialog.h"

namespace lumora {

// A thumbnail card of the local gallery: one picture of the collection stretched over its
// picture area, with a split tag (left half: set as wallpaper, right quarter: make it a
// favourite) and a delete button that come up while the mouse is on the card. Its page makes
// its picture elsewhere and hands it over; until then the card shows a plain neutral face.
class PicBox : public Dialog {
public:
    // The size its page gives every card.
    static constexpr int kWidth = 205;
    static constexpr int kHeight = 112;
    static constexpr Rect kTagRect = {2, 77, 2 + 202, 77 + 32};
    static constexpr Rect kDeleteRect = {180, 2, 180 + 19, 2 + 19};
    // The face of a card whose picture has not arrived yet.
    static constexpr ColorRef kWaitingFace = 0xE8E8E8;

    enum class PictureState { Waiting, Shown, Undecodable, Released };

    PicBox();
    ~PicBox() override;

    void SetPicturePath(std::string path) { m_picturePath = std::move(path); }
    const std::string& PicturePath() const { return m_picturePath; }
    // The skin's picture for a card whose file does not exist.
    static std::string PlaceholderPath();
    // The picture made from the card's file (or the placeholder), at the picture area's size;
    // nothing when it could not be decoded (the card then draws nothing).
    void SetPicture(std::optional<CardPicture> picture);
    PictureState State() const { return m_state; }
    const CardPicture& Picture() const { return m_picture; }

    // The picture area's size in pixels, as the card's template lays it out.
    static Size PictureAreaSize();
    // The part of the picture area, from its top left corner, that lies within the card.
    static Size VisiblePictureSize();

    bool PreTranslateMessage(Msg& msg) override;

protected:
    void DoDataExchange() override;
    bool OnInitDialog() override;
    void OnPaint(DC& dc) override;
    Brush OnCtlColor(DC& dc, Wnd& control, UINT ctlColor) override;
    bool OnSetCursor(Wnd& window, int hitTest, UINT mouseMessage) override;
    void OnMouseMove(UINT flags, Point point) override;
    void OnMouseHover(UINT flags, Point point) override;
    void OnMouseLeave() override;
    bool OnCommand(UINT id, UINT code, Wnd* control) override;

private:
    void ShowButtons(bool show);
    void TagClicked();
    void SetAsWallpaper();
    void MakeFavourite();
    void DeleteClicked();

    std::string m_picturePath;
    CardPicture m_picture;
    PictureState m_state = PictureState::Waiting;
    bool m_hideOnLeave = true;
    bool m_tracking = false;
    BgButton m_tag;
    BgButton m_delete;
    BackgroundJobs m_jobs;  // the conversion of a picture being set as wallpaper
};

}  // namespace lumora
