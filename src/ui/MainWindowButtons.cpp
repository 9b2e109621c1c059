#include "ui/MainWindowButtons.h"

#include "res/ControlIds.h"
#include "skin/BTButton.h"
#include "skin/BgButton.h"
#include "skin/ColorFromHex.h"
#include "skin/TButton.h"

namespace lumora {

namespace {

constexpr const char* kLinkColor = "#4B8AF1";

std::string SkinFile(const std::string& styles, const char* name) {
    return *name == '\0' ? std::string() : styles + "/" + name;
}

void Place(Wnd& button, const Rect& rect) {
    if (!rect.IsEmpty()) button.MoveWindow(rect);
}

void SetUp(const MainButton& entry, BgButton& button, const std::string& styles) {
    button.kind = entry.look;
    button.SetImages(SkinFile(styles, entry.image), SkinFile(styles, entry.secondImage));
    Place(button, entry.rect);
}

void SetUp(const MainButton& entry, BTButton& button, const std::string& styles) {
    Place(button, entry.rect);
    // The style decides how the images load, so it comes first.
    button.style = entry.look;
    button.drawImages = true;
    button.SetImages(SkinFile(styles, entry.image), SkinFile(styles, entry.secondImage));
}

void SetUp(const MainButton& entry, TButton& button) {
    button.color = ColorFromHex(kLinkColor);
    button.mode = entry.look;
    button.pinned = 1;
    Place(button, entry.rect);
}

// Sets up `control` when it is of class T.
template <class T, class... Styles>
void SetUpAs(const MainButton& entry, Wnd* control, const Styles&... styles) {
    if (auto* button = dynamic_cast<T*>(control)) SetUp(entry, *button, styles...);
}

}  // namespace

const MainButton kMainButtons[10] = {
    {kIdMenu, MainButtonClass::Image, BGK_TITLE, "xiala.png", "xiala_hover.png", {}},
    {kIdHide, MainButtonClass::Image, BGK_TITLE, "suoxiao.png", "suoxiao_hover.png", {}},
    {kIdClose, MainButtonClass::Image, BGK_TITLE, "close.png", "close_hover.png", {}},
    {kIdOnlineTab, MainButtonClass::Styled, BTS_TAB, "lmk.png", "lmk_press.png",
     Rect::FromXywh(5, 36, 123, 30)},
    {kIdGalleryTab, MainButtonClass::Styled, BTS_TAB, "wdlm.png", "wdlm_press.png",
     Rect::FromXywh(130, 36, 123, 30)},
    {kIdSearch, MainButtonClass::Image, BGK_STRETCH, "search-btn.png", "",
     Rect::FromXywh(853, 37, 31, 23)},
    {kIdRotation, MainButtonClass::Styled, BTS_TOGGLE, "bf_btn.png", "zt_btn.png",
     Rect::FromXywh(10, 616, 98, 29)},
    {kIdInterval, MainButtonClass::Styled, BTS_POPUP, "time_btn.png", "time_btn_press.png",
     Rect::FromXywh(120, 616, 126, 29)},
    {kIdAddLocal, MainButtonClass::Styled, BTS_TOGGLE, "bd_btn.png", "bd_btn_hover.png",
     Rect::FromXywh(750, 616, 130, 29)},
    {kIdAdLink, MainButtonClass::Link, TBM_HIGHLIGHT, "", "", {}},
};

void SetUpMainButtons(Wnd& window, const std::string& styles) {
    for (const MainButton& entry : kMainButtons) {
        Wnd* control = window.GetDlgItem(entry.id);
        if (entry.buttonClass == MainButtonClass::Image)
            SetUpAs<BgButton>(entry, control, styles);
        else if (entry.buttonClass == MainButtonClass::Styled)
            SetUpAs<BTButton>(entry, control, styles);
        else
            SetUpAs<TButton>(entry, control);
    }
}

}  // namespace lumora
