#pragma once

#include <atomic>
#include <string>

#include "platform/Thumbnailer.h"

namespace lumora {

// Card pictures through the freedesktop thumbnail cache: "large" thumbnails (256 pixels on the
// longer side) named by the MD5 of the file's URI, carrying Thumb::URI and Thumb::MTime. A
// thumbnail that is stale, of another size or for another file is made again; a picture that
// cannot be decoded gets a record under fail/ so it is not tried again until it changes.
// JPEG files are decoded at the smallest DCT scale that still covers the thumbnail.
class FreedesktopThumbnailer : public Thumbnailer {
public:
    // `cacheRoot` is the "thumbnails" folder; empty means $XDG_CACHE_HOME/thumbnails (else
    // ~/.cache/thumbnails), read at every call. Removes what an earlier run that was killed
    // while writing a thumbnail left (RemoveStaleTemporaries).
    explicit FreedesktopThumbnailer(std::string cacheRoot = {});

    // Removes the temporary files of thumbnails and failure records that no writer holds.
    void RemoveStaleTemporaries() const;

    std::optional<BgraImage> CardPicture(const std::string& path, Size size) override;
    Counts Tally() const override;

    // The path of the large thumbnail of the file at `path` (absolute).
    std::string LargeThumbnailPath(const std::string& path) const;
    std::string FailRecordPath(const std::string& path) const;

    static constexpr int kLargeSize = 256;

private:
    std::string CacheRoot() const;

    std::string m_cacheRoot;
    std::atomic<long long> m_decoded{0};
    std::atomic<long long> m_fromCache{0};
    std::atomic<long long> m_failed{0};
};

}  // namespace lumora
