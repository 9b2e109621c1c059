// Any file offered as a picture: decoding never fails badly, only the four picture formats
// decode, and a decoded picture is within the size limit with every pixel present.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>

#include "platform/ImageFile.h"

namespace {

void RemoveInput();

// The picture is read from a file, as the program reads it: one file per process, rewritten
// for every input and removed at exit.
const std::string& InputPath() {
    static const std::string path = [] {
        const char* dir = std::getenv("TMPDIR");
        return std::string(dir && *dir ? dir : "/tmp") + "/lumora-image-fuzz-" +
               std::to_string(getpid()) + ".jpg";
    }();
    // Registered once the path exists, so the removal runs before the path is destroyed.
    static const bool removedAtExit = std::atexit(RemoveInput) == 0;
    (void)removedAtExit;
    return path;
}

void RemoveInput() {
    std::error_code error;
    std::filesystem::remove(InputPath(), error);
}

// The signatures of JPEG (its start-of-image marker), PNG, GIF and BMP.
bool IsListedFormat(std::string_view bytes) {
    return bytes.starts_with("\xFF\xD8") || bytes.starts_with("\x89PNG\r\n\x1A\n") ||
           bytes.starts_with("GIF87a") || bytes.starts_with("GIF89a") || bytes.starts_with("BM");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    {
        std::ofstream file(InputPath(), std::ios::binary | std::ios::trunc);
        file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!file) std::abort();
    }
    const std::optional<lumora::BgraImage> image = lumora::LoadImageFile(InputPath());
    if (!image) return 0;
    if (!IsListedFormat(bytes) || image->Empty() ||
        static_cast<std::int64_t>(image->width) * image->height > lumora::kMaxDecodePixels ||
        image->pixels.size() != static_cast<size_t>(image->width) * image->height * 4) {
        std::abort();
    }
    return 0;
}
