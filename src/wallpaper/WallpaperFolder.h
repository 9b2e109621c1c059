#pragma once

#include <atomic>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/HttpClient.h"

namespace lumora {

// The collection on disk: the flat folder "imgs" under the collection directory, whose files
// are the whole collection. A favourite is a file whose name carries "_LMSC" before its
// extension. The program makes one for each use, so a folder picked in the settings takes
// effect at once.
class WallpaperFolder {
public:
    enum class CopyOutcome { AlreadyFavourite, Copied, Failed };

    // Body size above which a download is abandoned.
    static constexpr long long kMaxDownloadBytes = 200LL * 1024 * 1024;
    // A download runs in the background, so it may take long, but not without end: it is
    // abandoned below 1 KiB/s over 30 s, and after ten minutes in all.
    static constexpr HttpLimits kDownloadLimits{std::chrono::seconds(15), std::chrono::minutes(10),
                                                1024, std::chrono::seconds(30)};

    // Works on the shared collection directory and the system's HTTP client.
    WallpaperFolder();
    WallpaperFolder(const std::string& collectionDirectory, HttpClient& http);

    // The collection directory followed by "/imgs/".
    std::string FolderPath() const;
    // Creates the folder, one level under the collection directory, when it is not a directory.
    void EnsureFolder() const;

    // Whether a directory entry counts as a wallpaper: it holds ".jpg", ".png", ".gif" or
    // ".bmp" (lower case) after its first byte, and no "temp.bmp".
    static bool IsWallpaperFile(std::string_view name);
    // Whether a listed wallpaper is a favourite: "_LMSC" occurs after its first byte.
    static bool IsFavouriteName(std::string_view name);
    // The path with "_LMSC" put before its last full stop.
    static std::string FavouriteTwin(std::string_view path);

    // Full paths of the wallpapers in the directory's own order, or nothing when the folder is
    // missing. "all" lists every wallpaper and deletes each plain picture whose favourite twin
    // holds the same bytes; "sc" lists favourites only; any other filter lists nothing.
    std::optional<std::vector<std::string>> List(std::string_view filter) const;

    // GETs the URL into the file. True only for a 2xx response whose body arrived whole within
    // `limits` and is a whole JPEG, PNG, GIF or BMP picture (judged from the content); on
    // failure, or once `abandon` is set, nothing is left at `path`.
    bool DownloadToFile(const std::string& url, const std::string& path,
                        const std::atomic<bool>* abandon = nullptr,
                        const HttpLimits& limits = kDownloadLimits) const;
    // Removes the temporary files of downloads and of the conversion file that a killed run
    // left in the folder; ones a running writer holds stay.
    void RemoveStaleTemporaries() const;

    // The picture to apply for a link of the online page: downloaded as a plain picture unless
    // it is in the collection already (plain or favourite). Empty when the name is refused or
    // the picture could not be stored.
    std::string FetchForWallpaper(const std::string& url, const std::string& name,
                                  const std::string& extension,
                                  const std::atomic<bool>* abandon = nullptr) const;
    // Makes the picture a favourite: renames the plain picture, or downloads the favourite.
    // The favourite's path when it is in the folder afterwards; empty otherwise.
    std::string FetchAsFavourite(const std::string& url, const std::string& name,
                                 const std::string& extension,
                                 const std::atomic<bool>* abandon = nullptr) const;
    // Copies a listed picture to its favourite form, never overwriting; the next "all"
    // listing removes the plain duplicate. A favourite twin that exists already makes the
    // picture a favourite already; Failed is any other failure of the copy.
    CopyOutcome CopyAsFavourite(const std::string& path) const;
    // Copies a picture from elsewhere into the folder as a favourite, never overwriting.
    void AddLocalPicture(const std::string& source, const std::string& title,
                         const std::string& extension) const;
    // Moves that one file to the user's trash, or deletes it where its file system has no
    // trash. False when the file is still there.
    bool DeleteWallpaper(const std::string& path) const;

private:
    // A name or extension that would leave the folder or cannot be part of a file name.
    static bool IsSafeNamePart(std::string_view part);
    std::string PicturePath(const std::string& name, std::string_view suffix,
                            const std::string& extension) const;

    std::string m_collectionDirectory;
    HttpClient& m_http;
};

}  // namespace lumora
