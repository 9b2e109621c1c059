#include "ui/LibraryFetcher.h"

#include <algorithm>

#include "app/ProcessStrings.h"
#include "wallpaper/WallpaperApplier.h"
#include "wallpaper/WallpaperFolder.h"

namespace lumora {

LibraryFetcher::LibraryFetcher(HttpClient& http, Finished finished, BusyChanged busyChanged)
    : m_http(http), m_finished(std::move(finished)), m_busyChanged(std::move(busyChanged)) {}

void LibraryFetcher::Take(const LibraryLink& link) {
    if (std::find(m_links.begin(), m_links.end(), link) != m_links.end()) return;
    m_links.push_back(link);
    if (m_links.size() == 1) {
        m_busyChanged(true);
        StartFront();
    }
}

void LibraryFetcher::Abandon() {
    m_jobs.Revoke();
    if (m_links.empty()) return;
    m_links.clear();
    m_busyChanged(false);
}

void LibraryFetcher::StartFront() {
    // The worker gets its own copy of the collection directory: the settings may replace the
    // shared one while the transfer runs.
    m_jobs.Run(
        [link = m_links.front(), directory = Strings().collectionDirectory,
         &desktop = CurrentHost().Desktop(), &http = m_http](BackgroundJobs::Token token) {
            WallpaperFolder folder(directory, http);
            Outcome outcome{link, {}};
            if (link.kind == LibraryLink::Kind::Wallpaper) {
                outcome.path = folder.FetchForWallpaper(link.pictureUrl, link.name, link.extension,
                                                        token.Flag());
                if (!outcome.path.empty() && !token.Cancelled())
                    outcome.applied =
                        WallpaperApplier(directory, desktop).ApplyPicture(outcome.path);
            } else {
                outcome.path = folder.FetchAsFavourite(link.pictureUrl, link.name, link.extension,
                                                       token.Flag());
            }
            return outcome;
        },
        [this](Outcome outcome) { FrontEnded(std::move(outcome)); });
}

void LibraryFetcher::FrontEnded(Outcome outcome) {
    // The link is done, what it does with the picture included, before the next one starts:
    // a favourite link after a wallpaper link for the same picture renames the file the
    // wallpaper link applies.
    m_finished(outcome);
    if (m_links.empty()) return;  // abandoned meanwhile
    m_links.pop_front();
    if (m_links.empty())
        m_busyChanged(false);
    else
        StartFront();
}

}  // namespace lumora
