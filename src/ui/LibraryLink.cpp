#include "ui/LibraryLink.h"

namespace lumora {
namespace {

constexpr std::string_view kWallpaperPrefix = "app:";
constexpr std::string_view kFavouritePrefix = "sclm:";
// The page's thumbnails carry this marker; the same URL without it is the full picture.
constexpr std::string_view kThumbnailMarker = "thumb_";

std::string WithoutThumbnailMarker(std::string_view part) {
    std::string url;
    url.reserve(part.size());
    for (std::size_t at = 0; at < part.size();) {
        if (part.substr(at, kThumbnailMarker.size()) == kThumbnailMarker) {
            at += kThumbnailMarker.size();
        } else {
            url += part[at++];
        }
    }
    return url;
}

}  // namespace

std::optional<LibraryLink> LibraryLink::Parse(std::string_view url) {
    LibraryLink link;
    std::string_view rest;
    if (url.starts_with(kWallpaperPrefix)) {
        link.kind = Kind::Wallpaper;
        rest = url.substr(kWallpaperPrefix.size());
    } else if (url.starts_with(kFavouritePrefix)) {
        link.kind = Kind::Favourite;
        rest = url.substr(kFavouritePrefix.size());
    } else {
        return std::nullopt;
    }
    const std::size_t split = rest.find('>');
    std::string_view picturePart;
    if (split == std::string_view::npos) {
        link.name = rest;
    } else {
        picturePart = rest.substr(0, split);
        link.name = rest.substr(split + 1);
    }
    link.pictureUrl = WithoutThumbnailMarker(picturePart);
    const std::size_t dot = link.pictureUrl.rfind('.');
    link.extension = dot == std::string::npos ? link.pictureUrl : link.pictureUrl.substr(dot + 1);
    return link;
}

}  // namespace lumora
