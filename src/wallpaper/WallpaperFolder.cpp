#include "wallpaper/WallpaperFolder.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unordered_set>

#include "app/ProcessStrings.h"
#include "platform/AtomicFile.h"
#include "platform/PictureFormat.h"
#include "platform/TemporaryFiles.h"
#include "platform/Trash.h"

namespace lumora {
namespace fs = std::filesystem;

namespace {

constexpr std::string_view kFavouriteSuffix = "_LMSC";
constexpr std::string_view kUserAgent = "lumo";
constexpr std::string_view kDownloadPrefix = ".lumo-download-";
// The conversion file, written by replacing it through a temporary file beside it.
constexpr std::string_view kConversionFile = "temp.bmp";

// The byte-exact search of a name test: the needle must start after the first byte.
bool OccursAfterStart(std::string_view name, std::string_view needle) {
    size_t at = name.find(needle);
    return at != std::string_view::npos && at > 0;
}

bool IsDirectory(const std::string& path) {
    std::error_code error;
    return fs::is_directory(path, error);
}

bool Exists(const std::string& path) {
    std::error_code error;
    return fs::exists(path, error);
}

// Both are regular files with the same content.
bool SameBytes(const std::string& a, const std::string& b) {
    std::error_code error;
    if (!fs::is_regular_file(a, error) || !fs::is_regular_file(b, error)) {
        return false;
    }
    auto sizeA = fs::file_size(a, error);
    if (error) {
        return false;
    }
    auto sizeB = fs::file_size(b, error);
    if (error || sizeA != sizeB) {
        return false;
    }
    std::ifstream inA(a, std::ios::binary);
    std::ifstream inB(b, std::ios::binary);
    if (!inA || !inB) {
        return false;
    }
    char bufferA[1 << 15];
    char bufferB[1 << 15];
    for (;;) {
        inA.read(bufferA, sizeof bufferA);
        inB.read(bufferB, sizeof bufferB);
        if (inA.gcount() != inB.gcount() || !std::equal(bufferA, bufferA + inA.gcount(), bufferB)) {
            return false;
        }
        if (inA.gcount() == 0 || !inA || !inB) {
            return inA.eof() && inB.eof();
        }
    }
}

// Copies without replacing an existing target, answering the error of the copy; an existing
// target is refused with file_exists.
std::error_code CopyNoOverwrite(const std::string& from, const std::string& to) {
    std::error_code error;
    fs::copy_file(from, to, fs::copy_options::none, error);
    return error;
}

}  // namespace

WallpaperFolder::WallpaperFolder()
    : WallpaperFolder(Strings().collectionDirectory, SystemHttpClient()) {}

WallpaperFolder::WallpaperFolder(const std::string& collectionDirectory, HttpClient& http)
    : m_collectionDirectory(collectionDirectory), m_http(http) {}

std::string WallpaperFolder::FolderPath() const { return m_collectionDirectory + "/imgs/"; }

void WallpaperFolder::EnsureFolder() const {
    const std::string folder = FolderPath();
    if (!IsDirectory(folder)) {
        std::error_code error;
        fs::create_directory(folder, error);
    }
}

bool WallpaperFolder::IsWallpaperFile(std::string_view name) {
    if (name.find(kConversionFile) != std::string_view::npos) {
        return false;
    }
    for (std::string_view extension : {".jpg", ".png", ".gif", ".bmp"}) {
        if (OccursAfterStart(name, extension)) {
            return true;
        }
    }
    return false;
}

bool WallpaperFolder::IsFavouriteName(std::string_view name) {
    return OccursAfterStart(name, kFavouriteSuffix);
}

std::string WallpaperFolder::FavouriteTwin(std::string_view path) {
    size_t dot = path.rfind('.');
    if (dot == std::string_view::npos) {
        return std::string(path) + std::string(kFavouriteSuffix);
    }
    return std::string(path.substr(0, dot)) + std::string(kFavouriteSuffix) +
           std::string(path.substr(dot));
}

std::optional<std::vector<std::string>> WallpaperFolder::List(std::string_view filter) const {
    const std::string folder = FolderPath();
    if (!IsDirectory(folder)) {
        return std::nullopt;
    }
    std::vector<std::string> paths;
    const bool all = filter == "all";
    const bool favourites = filter == "sc";
    if (!all && !favourites) {
        return paths;
    }
    // The iterator returns the entries in the order readdir gives them, which stays the same
    // while the folder does not change; rotation counts positions in the same order.
    // Plain readdir: a large folder is listed at every reload of the gallery, and the
    // library's iterator costs several times as much per entry.
    std::vector<std::string> names;
    if (DIR* directory = opendir(folder.c_str())) {
        while (const dirent* entry = readdir(directory)) names.emplace_back(entry->d_name);
        closedir(directory);
    }
    // A favourite twin lies in the same folder, so the listing itself tells whether one
    // exists; only then are the two files compared.
    std::unordered_set<std::string_view> present;
    if (all) present.insert(names.begin(), names.end());
    for (const std::string& name : names) {
        if (!IsWallpaperFile(name)) {
            continue;
        }
        std::string path = folder + name;
        if (IsFavouriteName(name)) {
            paths.push_back(std::move(path));
        } else if (all) {
            // A plain picture beside an identical favourite is what Copy as favourite and a
            // failed rename leave behind. A different picture that only shares the name stays.
            const std::string twin = FavouriteTwin(path);
            const std::string_view twinName = std::string_view(twin).substr(folder.size());
            if (present.contains(twinName) && SameBytes(path, twin)) {
                std::remove(path.c_str());
            } else {
                paths.push_back(std::move(path));
            }
        }
    }
    return paths;
}

bool WallpaperFolder::DownloadToFile(const std::string& url, const std::string& path,
                                     const std::atomic<bool>* abandon,
                                     const HttpLimits& limits) const {
    const size_t slash = path.rfind('/');
    const std::string directory = slash == std::string::npos ? "." : path.substr(0, slash);
    // A name without a picture extension, so a file left by a crash is never listed; held
    // until it is renamed or removed, so the clean-up at start never takes a running one.
    std::string temporary = directory + "/" + std::string(kDownloadPrefix) + "XXXXXX";
    int fd = CreateHeldTemporaryFile(temporary);
    if (fd < 0) {
        return false;
    }
    // The body goes through a stream on a second descriptor, so that closing the stream
    // leaves the lock held by `fd` in place until the file has its final name.
    const int writeFd = fchmod(fd, 0644) == 0 ? dup(fd) : -1;
    FILE* file = writeFd >= 0 ? fdopen(writeFd, "wb") : nullptr;
    if (!file) {
        if (writeFd >= 0) close(writeFd);
        unlink(temporary.c_str());
        close(fd);
        return false;
    }
    long long received = 0;
    bool stored = true;
    HttpResult result = m_http.Get(
        url, std::string(kUserAgent),
        [&](std::string_view piece) {
            received += static_cast<long long>(piece.size());
            stored = received <= kMaxDownloadBytes &&
                     std::fwrite(piece.data(), 1, piece.size(), file) == piece.size();
            return stored;
        },
        limits, abandon);
    stored = std::fclose(file) == 0 && stored;
    // An empty reply, an error page sent with 200 or a cut picture is no picture: stored under
    // the picture's name it would be listed and never fetched again.
    const bool ok = stored && result.completed && result.status >= 200 && result.status < 300 &&
                    InspectPictureFile(temporary).has_value() &&
                    std::rename(temporary.c_str(), path.c_str()) == 0;
    if (!ok) unlink(temporary.c_str());
    close(fd);
    return ok;
}

void WallpaperFolder::RemoveStaleTemporaries() const {
    const std::string folder = FolderPath();
    RemoveStaleTemporaryFiles(folder, kDownloadPrefix);
    RemoveStaleReplacements(folder + std::string(kConversionFile));
}

bool WallpaperFolder::IsSafeNamePart(std::string_view part) {
    return !part.empty() && part != "." && part != ".." &&
           part.find('/') == std::string_view::npos && part.find('\0') == std::string_view::npos;
}

std::string WallpaperFolder::PicturePath(const std::string& name, std::string_view suffix,
                                         const std::string& extension) const {
    return FolderPath() + name + std::string(suffix) + "." + extension;
}

std::string WallpaperFolder::FetchForWallpaper(const std::string& url, const std::string& name,
                                               const std::string& extension,
                                               const std::atomic<bool>* abandon) const {
    if (!IsSafeNamePart(name) || !IsSafeNamePart(extension)) {
        return {};
    }
    EnsureFolder();
    const std::string plain = PicturePath(name, "", extension);
    const std::string favourite = PicturePath(name, kFavouriteSuffix, extension);
    if (!Exists(plain) && !Exists(favourite)) {
        DownloadToFile(url, plain, abandon);
    }
    if (Exists(plain)) {
        return plain;
    }
    return Exists(favourite) ? favourite : std::string();
}

std::string WallpaperFolder::FetchAsFavourite(const std::string& url, const std::string& name,
                                              const std::string& extension,
                                              const std::atomic<bool>* abandon) const {
    if (!IsSafeNamePart(name) || !IsSafeNamePart(extension)) {
        return {};
    }
    EnsureFolder();
    const std::string plain = PicturePath(name, "", extension);
    const std::string favourite = PicturePath(name, kFavouriteSuffix, extension);
    if (Exists(plain)) {
        // A move that never replaces: with both present nothing changes, and the next "all"
        // listing removes the plain picture if it is the same.
        if (!Exists(favourite)) {
            std::error_code error;
            fs::rename(plain, favourite, error);
        }
    } else if (!Exists(favourite)) {
        DownloadToFile(url, favourite, abandon);
    }
    return Exists(favourite) ? favourite : std::string();
}

WallpaperFolder::CopyOutcome WallpaperFolder::CopyAsFavourite(const std::string& path) const {
    const size_t dot = path.rfind('.');
    const std::string base = dot == std::string::npos ? path : path.substr(0, dot);
    if (base.ends_with(kFavouriteSuffix)) {
        return CopyOutcome::AlreadyFavourite;
    }
    const std::error_code error = CopyNoOverwrite(path, FavouriteTwin(path));
    if (!error) return CopyOutcome::Copied;
    // The favourite is there already: the picture is a favourite, whatever its own name says.
    if (error == std::errc::file_exists) return CopyOutcome::AlreadyFavourite;
    return CopyOutcome::Failed;
}

void WallpaperFolder::AddLocalPicture(const std::string& source, const std::string& title,
                                      const std::string& extension) const {
    if (!IsSafeNamePart(title) || !IsSafeNamePart(extension)) {
        return;
    }
    CopyNoOverwrite(source, PicturePath(title, kFavouriteSuffix, extension));
}

bool WallpaperFolder::DeleteWallpaper(const std::string& path) const {
    switch (MoveToTrash(path)) {
        case TrashOutcome::Trashed:
            return true;
        case TrashOutcome::NoTrash:
            return unlink(path.c_str()) == 0;
        case TrashOutcome::Failed:
            return false;
    }
    return false;
}

}  // namespace lumora
