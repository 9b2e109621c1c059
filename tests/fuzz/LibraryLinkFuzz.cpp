// Any navigation of the online library page: the link grammar never fails, and what it takes
// from a link is made of the link's own parts.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string_view>

#include "ui/LibraryLink.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    using lumora::LibraryLink;
    const std::string_view url(reinterpret_cast<const char*>(data), size);
    const std::optional<LibraryLink> link = LibraryLink::Parse(url);
    const bool wallpaper = url.starts_with("app:");
    const bool favourite = url.starts_with("sclm:");
    if (link.has_value() != (wallpaper || favourite)) std::abort();
    if (!link) return 0;
    if (link->kind != (wallpaper ? LibraryLink::Kind::Wallpaper : LibraryLink::Kind::Favourite)) {
        std::abort();
    }
    // The name is everything after the first ">", or the whole rest without one.
    const std::string_view rest = url.substr(wallpaper ? 4 : 5);
    const size_t split = rest.find('>');
    const std::string_view name = split == std::string_view::npos ? rest : rest.substr(split + 1);
    if (link->name != name) std::abort();
    if (link->pictureUrl.size() > rest.size()) std::abort();
    if (!std::string_view(link->pictureUrl).ends_with(link->extension)) std::abort();
    if (link->extension.find('.') != std::string::npos) std::abort();
    return 0;
}
