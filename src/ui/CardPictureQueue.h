#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/Geometry.h"
#include "ui/CardPicture.h"
#include "wnd/BackgroundJobs.h"

namespace lumora {

class Thumbnailer;

// Makes the pictures of a page's cards on worker threads and hands each one back on the GUI
// thread. Pictures are made in card order, except that the cards the page shows can be moved
// to the front at any time. Cancel (and a new Start) drops everything still on its way.
class CardPictureQueue {
public:
    // Runs on the GUI thread with the card's index and its picture (nothing when undecodable).
    using Deliver = std::function<void(std::size_t index, std::optional<CardPicture> picture)>;

    explicit CardPictureQueue(Thumbnailer& thumbnailer) : m_thumbnailer(thumbnailer) {}
    ~CardPictureQueue() { Cancel(); }
    CardPictureQueue(const CardPictureQueue&) = delete;
    CardPictureQueue& operator=(const CardPictureQueue&) = delete;

    // One picture of `size` for every path, of which the part `visible` is kept; a path whose
    // file does not exist gets the picture of `placeholder`.
    void Start(std::vector<std::string> paths, std::string placeholder, Size size, Size visible,
               Deliver deliver);
    // Makes the pictures of the cards [first, last) next, before any other still waiting.
    void Prioritise(std::size_t first, std::size_t last);
    void Cancel();

private:
    struct Work;

    Thumbnailer& m_thumbnailer;
    std::shared_ptr<Work> m_work;
    BackgroundJobs m_jobs;
};

}  // namespace lumora
