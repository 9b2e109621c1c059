#pragma once

#include "wnd/DialogTemplate.h"

namespace lumora {

// The program's dialog templates, by resource id.
inline constexpr int kMainWindowTemplate = 102;
inline constexpr int kOnlinePageTemplate = 103;
inline constexpr int kFilterBarTemplate = 106;
inline constexpr int kMenuPanelTemplate = 107;
inline constexpr int kSettingsTemplate = 108;
inline constexpr int kGalleryPageTemplate = 109;
inline constexpr int kThumbnailCardTemplate = 110;
inline constexpr int kIntervalPickerTemplate = 131;

// The template with resource id `id`; nullptr for an id the program does not have.
const DialogTemplate* FindDialogTemplate(int id);

// The template with resource id `id`, which must be one of the ids above.
const DialogTemplate& DialogResource(int id);

}  // namespace lumora
