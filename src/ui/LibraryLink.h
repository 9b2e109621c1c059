#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lumora {

// A link of the online library page that asks the program for a picture: "app:" sets it as
// wallpaper, "sclm:" keeps it as a favourite. After the prefix comes the picture part, a ">"
// and the picture name (which may hold further ">"); without a ">" the whole rest is the name.
struct LibraryLink {
    enum class Kind { Wallpaper, Favourite };

    Kind kind = Kind::Wallpaper;
    std::string pictureUrl;  // the picture part with every "thumb_" removed
    std::string name;
    std::string extension;  // after the last full stop of the picture URL; all of it without one

    // The link a navigation to `url` stands for, or nothing when the page navigates normally.
    // Prefixes are byte-exact and case-sensitive; "app:" is tested first.
    static std::optional<LibraryLink> Parse(std::string_view url);

    bool operator==(const LibraryLink&) const = default;
};

}  // namespace lumora
