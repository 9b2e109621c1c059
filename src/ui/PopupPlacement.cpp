#include "ui/PopupPlacement.h"

namespace lumora {

namespace {

constexpr int kPageTop = 67;
constexpr int kPageBottom = 76;
constexpr int kPageSide = 1;
constexpr int kSettingsWidth = 407;
constexpr int kSettingsHeight = 389;
constexpr int kSettingsLeftOfCentre = 155;
constexpr int kSettingsAboveCentre = 180;
constexpr int kPickerHeight = 180;
constexpr int kPanelWidth = 130;
constexpr int kPanelHeight = 140;

}  // namespace

Rect PageRect(const Rect& mainClient) {
    return {mainClient.left + kPageSide, mainClient.top + kPageTop, mainClient.right - kPageSide,
            mainClient.bottom - kPageBottom};
}

Rect SettingsDialogRect(const Rect& mainScreen) {
    // C++ division truncates toward zero, as the placement wants for odd or negative sizes.
    int left = mainScreen.left + mainScreen.Width() / 2 - kSettingsLeftOfCentre;
    int top = mainScreen.top + mainScreen.Height() / 2 - kSettingsAboveCentre;
    return Rect::FromXywh(left, top, kSettingsWidth, kSettingsHeight);
}

Rect IntervalPickerRect(const Rect& buttonScreen) {
    return Rect::FromXywh(buttonScreen.left, buttonScreen.top - kPickerHeight,
                          buttonScreen.right - 1 - buttonScreen.left, kPickerHeight);
}

Rect MenuPanelRect(Point cursor) {
    return Rect::FromXywh(cursor.x - kPanelWidth, cursor.y, kPanelWidth, kPanelHeight);
}

}  // namespace lumora
