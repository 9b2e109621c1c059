#include "skin/SkinImage.h"

#include <sys/stat.h>

#include <filesystem>
#include <map>
#include <mutex>
#include <system_error>
#include <utility>

#include "skin/PremultiplyAlpha.h"
#include "wnd/DC.h"

namespace lumora {

namespace {

// Decoded skin files by path and form, with the file's modification time and size when it
// was decoded. Entries live as long as the process: a skin has a few dozen files.
class SharedSkinFiles {
public:
    std::shared_ptr<const BgraImage> Get(const std::string& path, bool premultiplied) {
        struct stat info {};
        if (stat(path.c_str(), &info) != 0) return nullptr;
        const Stamp stamp{info.st_mtim.tv_sec, info.st_mtim.tv_nsec, info.st_size};
        std::lock_guard lock(m_mutex);
        Entry& entry = m_entries[{path, premultiplied}];
        if (!entry.image || entry.stamp != stamp) {
            std::optional<BgraImage> decoded = LoadImageFile(path);
            if (!decoded || decoded->Empty()) {
                m_entries.erase({path, premultiplied});
                return nullptr;
            }
            if (premultiplied) PremultiplyAlpha(*decoded);
            entry.image = std::make_shared<const BgraImage>(std::move(*decoded));
            entry.stamp = stamp;
        }
        return entry.image;
    }

private:
    struct Stamp {
        long long seconds = 0;
        long long nanoseconds = 0;
        long long size = 0;
        friend bool operator==(const Stamp&, const Stamp&) = default;
    };
    struct Entry {
        std::shared_ptr<const BgraImage> image;
        Stamp stamp;
    };
    std::mutex m_mutex;
    std::map<std::pair<std::string, bool>, Entry> m_entries;
};

SharedSkinFiles& SharedFiles() {
    static SharedSkinFiles files;
    return files;
}

}  // namespace

bool SkinImage::Load(const std::string& path) {
    Destroy();
    std::optional<BgraImage> decoded = LoadImageFile(path);
    if (!decoded || decoded->Empty()) return false;
    m_bits = std::make_shared<const BgraImage>(std::move(*decoded));
    return true;
}

bool SkinImage::LoadShared(const std::string& path, bool premultiplied) {
    m_bits = SharedFiles().Get(path, premultiplied);
    return !IsNull();
}

BgraImage& SkinImage::Bits() {
    if (!m_bits || m_bits.use_count() > 1) {
        m_bits = std::make_shared<BgraImage>(m_bits ? *m_bits : BgraImage{});
    }
    // Every picture held here was made as a non-const BgraImage; only the handle is const.
    return const_cast<BgraImage&>(*m_bits);
}

const BgraImage& SkinImage::Bits() const {
    static const BgraImage empty;
    return m_bits ? *m_bits : empty;
}

void SkinImage::Draw(DC& dc, const Rect& dest) const {
    if (IsNull()) return;
    dc.DrawImage(*m_bits, dest);
}

void SkinImage::Draw(DC& dc, int x, int y, int width, int height) const {
    Draw(dc, Rect::FromXywh(x, y, width, height));
}

bool SkinFileExists(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(path, error);
}

}  // namespace lumora
