#pragma once

#include <string>
#include <string_view>

#include "service/PictureLibrary.h"

namespace lumora::service {

// The pages of the wallpaper site that the program opens in the user's browser: the home page
// (also where the updater sends the user for a new version) and the search page.
class SitePages {
public:
    static std::string Home(const PictureLibrary& library, std::string_view origin,
                            std::string_view version);
    // `keyword` is UTF-8, already decoded from the query.
    static std::string Search(const PictureLibrary& library, std::string_view origin,
                              std::string_view keyword);
};

}  // namespace lumora::service
