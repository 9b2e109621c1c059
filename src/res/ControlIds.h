#pragma once

// The control ids of the program's dialog templates, each stated once: the templates, the
// windows that handle them and the tests all name them from here. IDOK (1) and IDCANCEL (2)
// stand in platform/Host.h.
namespace lumora {

// The main window (template 102).
inline constexpr int kIdMenu = 1000;
inline constexpr int kIdHide = 1001;
inline constexpr int kIdClose = 1002;
inline constexpr int kIdIconArea = 1003;
inline constexpr int kIdTitle = 1004;
inline constexpr int kIdOnlineTab = 1005;
inline constexpr int kIdGalleryTab = 1006;
inline constexpr int kIdSearchBox = 1007;
inline constexpr int kIdSearch = 1008;
inline constexpr int kIdRotation = 1013;
inline constexpr int kIdInterval = 1014;
inline constexpr int kIdAddLocal = 1016;
inline constexpr int kIdAdLink = 1017;

// The online page (103): the placeholder the browser view takes the place of.
inline constexpr int kIdLibraryView = 1009;

// The filter bar (106).
inline constexpr int kIdFilterAll = 1035;
inline constexpr int kIdFilterFavourites = 1036;

// The menu panel (107).
inline constexpr int kIdPanelSettings = 1018;
inline constexpr int kIdPanelHomePage = 1019;
inline constexpr int kIdPanelExit = 1020;
inline constexpr int kIdPanelTitle = 1031;

// The settings dialog (108), besides IDOK and IDCANCEL.
inline constexpr int kIdSettingsTitle = 1032;
inline constexpr int kIdSettingsClose = 1034;
inline constexpr int kIdAutostartHeading = 1021;
inline constexpr int kIdAutostartBox = 1022;
inline constexpr int kIdHideOnClose = 1024;
inline constexpr int kIdExitOnClose = 1025;
inline constexpr int kIdCollectionHeading = 1026;
inline constexpr int kIdCollectionField = 1027;
inline constexpr int kIdBrowse = 1028;
inline constexpr int kIdFreeSpace = 1029;

// The thumbnail card (110).
inline constexpr int kIdCardPicture = 1037;
inline constexpr int kIdCardTag = 1042;
inline constexpr int kIdCardDelete = 1043;

// The interval picker (131): entry i is control kIdFirstInterval + i and stands for index i
// of the rotation's interval table.
inline constexpr int kIdFirstInterval = 1015;
inline constexpr int kIntervalEntries = 7;

}  // namespace lumora
