#pragma once

#include <string>
#include <string_view>

#include "service/PictureLibrary.h"

namespace lumora::service {

// The online library page the program shows in its first tab. Each picture card offers two
// buttons whose links the program intercepts: "app:" (set as wallpaper) and "sclm:" (keep as
// favourite), each followed by the thumbnail URL, ">" and the picture name; the program
// percent-decodes the link and drops "thumb_" from the URL to fetch the full picture. The program
// answers through the page's functions TestFunc and SCCG, which show a notice and tell the service
// (notice.php) so that a peer can see that they ran.
class LibraryPage {
public:
    static constexpr int kPerPage = 8;

    // `origin` is "http://host:port" as the browser reached the service.
    static std::string PictureUrl(std::string_view origin, const Picture& picture);
    static std::string ThumbnailUrl(std::string_view origin, const Picture& picture);
    static std::string WallpaperLink(std::string_view origin, const Picture& picture);
    static std::string FavouriteLink(std::string_view origin, const Picture& picture);

    // The page for category `cid` (all pictures for an unknown one), 1-based `page` (clamped to
    // the pages there are), showing only the pictures that match the UTF-8 `keyword` when it is
    // not empty.
    static std::string Render(const PictureLibrary& library, std::string_view origin, int cid,
                              int page, std::string_view keyword = {});
};

}  // namespace lumora::service
