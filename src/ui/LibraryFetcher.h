#pragma once

#include <deque>
#include <functional>
#include <string>

#include "platform/HttpClient.h"
#include "ui/LibraryLink.h"
#include "wnd/BackgroundJobs.h"

namespace lumora {

// Carries out the online page's picture links one after another, in the order they came: the
// transfer, and for a wallpaper link applying the picture (which may wait for the desktop), run
// off the GUI thread; what the link does then runs on it. A link equal to one that is waiting or
// running is not taken again, so a picture is never fetched twice at once.
class LibraryFetcher {
public:
    struct Outcome {
        LibraryLink link;
        // The stored picture: the one to apply for a wallpaper link, the favourite for a
        // favourite link. Empty when nothing could be stored.
        std::string path;
        // For a wallpaper link: what applying the picture answered, 0 when it is the wallpaper.
        int applied = -1;
    };
    using Finished = std::function<void(const Outcome&)>;
    using BusyChanged = std::function<void(bool busy)>;

    LibraryFetcher(HttpClient& http, Finished finished, BusyChanged busyChanged);

    void Take(const LibraryLink& link);
    // Drops every waiting link and abandons the running transfer, which leaves no file.
    void Abandon();

private:
    void StartFront();
    void FrontEnded(Outcome outcome);

    HttpClient& m_http;
    Finished m_finished;
    BusyChanged m_busyChanged;
    std::deque<LibraryLink> m_links;  // the front one is running
    BackgroundJobs m_jobs;
};

}  // namespace lumora
