#pragma once

#include <optional>
#include <string>

#include "base/Geometry.h"
#include "platform/ImageFile.h"

namespace lumora {

// Pictures made small for the gallery's cards. A picture is decoded at a reduced size and kept
// in the user's thumbnail cache, so that the next time only the small copy is read.
class Thumbnailer {
public:
    // What the calls so far have done, for benchmarks and tests.
    struct Counts {
        long long decoded = 0;    // pictures decoded from their own file
        long long fromCache = 0;  // answered from a thumbnail in the cache
        long long failed = 0;     // could not be decoded (or were known not to be)
    };

    virtual ~Thumbnailer() = default;

    // The picture at `path` stretched to exactly `size`; empty when it does not exist or
    // cannot be decoded. Safe to call from several threads at once.
    virtual std::optional<BgraImage> CardPicture(const std::string& path, Size size) = 0;
    virtual Counts Tally() const = 0;
};

// The system's thumbnailer: the freedesktop thumbnail cache of the user.
Thumbnailer& SystemThumbnailer();

}  // namespace lumora
