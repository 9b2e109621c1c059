#include "ui/CardPictureQueue.h"

#include <deque>
#include <filesystem>
#include <mutex>
#include <system_error>
#include <utility>

#include "platform/Thumbnailer.h"

namespace lumora {

// What the workers of one Start share: the paths, which of them a worker has taken, and the
// order in which to take the rest.
struct CardPictureQueue::Work {
    std::vector<std::string> paths;
    std::string placeholder;
    Size size;
    Size visible;
    std::mutex mutex;
    std::vector<char> taken;
    std::size_t next = 0;            // the first index not yet taken in card order
    std::deque<std::size_t> urgent;  // indices to take before that order

    std::optional<std::size_t> Take() {
        std::lock_guard lock(mutex);
        while (!urgent.empty()) {
            const std::size_t index = urgent.front();
            urgent.pop_front();
            if (!taken[index]) {
                taken[index] = 1;
                return index;
            }
        }
        while (next < taken.size() && taken[next]) ++next;
        if (next == taken.size()) return std::nullopt;
        taken[next] = 1;
        return next++;
    }
};

void CardPictureQueue::Start(std::vector<std::string> paths, std::string placeholder, Size size,
                             Size visible, Deliver deliver) {
    Cancel();
    auto work = std::make_shared<Work>();
    work->paths = std::move(paths);
    work->placeholder = std::move(placeholder);
    work->size = size;
    work->visible = visible;
    work->taken.assign(work->paths.size(), 0);
    m_work = work;
    auto shared = std::make_shared<Deliver>(std::move(deliver));
    using Result = std::optional<std::pair<std::size_t, std::optional<CardPicture>>>;
    // One job per picture; each takes whichever picture is most wanted when it starts.
    for (std::size_t i = 0; i < work->paths.size(); ++i) {
        m_jobs.Run(
            [work, &thumbnailer = m_thumbnailer](const BackgroundJobs::Token& token) -> Result {
                if (token.Cancelled()) return std::nullopt;
                std::optional<std::size_t> index = work->Take();
                if (!index) return std::nullopt;
                std::string source = work->paths[*index];
                std::error_code error;
                if (!std::filesystem::exists(source, error)) source = work->placeholder;
                std::optional<BgraImage> picture = thumbnailer.CardPicture(source, work->size);
                if (!picture) return std::make_pair(*index, std::optional<CardPicture>());
                return std::make_pair(
                    *index, std::optional<CardPicture>(CardPicture(*picture, work->visible)));
            },
            [shared](Result result) {
                if (result) (*shared)(result->first, std::move(result->second));
            });
    }
}

void CardPictureQueue::Prioritise(std::size_t first, std::size_t last) {
    if (!m_work) return;
    std::lock_guard lock(m_work->mutex);
    last = std::min(last, m_work->taken.size());
    for (std::size_t i = last; i > first; --i) {
        if (!m_work->taken[i - 1]) m_work->urgent.push_front(i - 1);
    }
}

void CardPictureQueue::Cancel() {
    m_jobs.Revoke();
    m_work.reset();
}

}  // namespace lumora
