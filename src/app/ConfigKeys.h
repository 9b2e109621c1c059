#pragma once

#include <string_view>

namespace lumora {

// The keys of conf.ini, section MAIN, and their defaults. SCML has no constant default: it is
// the application directory at the moment of reading.
inline constexpr std::string_view kKeyVersion = "version";
inline constexpr std::string_view kKeyServiceUrl = "LURL";
inline constexpr std::string_view kKeyCollection = "SCML";
inline constexpr std::string_view kKeyAuto = "AUTO";
inline constexpr std::string_view kKeyLocalIndex = "LCLINDEX";
inline constexpr std::string_view kKeyAutoTime = "AUTOTIME";
inline constexpr std::string_view kKeyCloseToTray = "YCTASK";
inline constexpr std::string_view kKeyHomeUrl = "HOMEURL";
inline constexpr std::string_view kKeySearchUrl = "SURL";
// When rotation last changed the wallpaper by itself, in seconds since 1970 (UTC), so that its
// rhythm survives a restart.
inline constexpr std::string_view kKeyLastChange = "LASTCHANGE";

inline constexpr std::string_view kDefaultVersion = "1.0";
inline constexpr std::string_view kDefaultServiceUrl = LUMO_SERVICE_ORIGIN "/kavri/lm/lm.php";
inline constexpr std::string_view kDefaultHomeUrl = LUMO_HOME_ORIGIN "/desk/";
inline constexpr std::string_view kDefaultSearchUrl =
    LUMO_HOME_ORIGIN "/desk/index.php?m=search&c=index&a=init&typeid=3&q=";
inline constexpr int kDefaultAuto = 1;
inline constexpr int kDefaultLocalIndex = 0;
inline constexpr int kDefaultAutoTime = 1;
inline constexpr int kDefaultCloseToTray = 1;

}  // namespace lumora
