#include "platform/headless/HeadlessHost.h"

#include <algorithm>
#include <stdexcept>

#include "platform/headless/HeadlessEdit.h"
#include "platform/headless/HeadlessWebView.h"

namespace lumora {

namespace {

// A modal loop that only ever fires timers is a test that forgot to end its dialog.
constexpr int kMaxIdleTimerFires = 100000;

cairo_surface_t* NewImage(const Rect& r) {
    return cairo_image_surface_create(CAIRO_FORMAT_ARGB32, std::max(1, r.Width()),
                                      std::max(1, r.Height()));
}

}  // namespace

HeadlessHost::HeadlessHost() = default;

HeadlessHost::~HeadlessHost() {
    m_workers.reset();
    for (auto& [id, s] : m_surfaces) cairo_surface_destroy(s.image);
}

int HeadlessHost::MessageBox(SurfaceId owner, const std::string& text, const std::string& caption,
                             MessageBoxStyle style) {
    messageBoxes.push_back({owner, text, caption, style});
    if (messageBoxHandler) return messageBoxHandler(messageBoxes.back());
    if (!m_boxAnswers.empty()) {
        const int answer = m_boxAnswers.front();
        m_boxAnswers.pop_front();
        return answer;
    }
    return ClosedBoxAnswer(style.buttons);
}

SurfaceId HeadlessHost::CreateSurface(const SurfaceOptions& options) {
    const SurfaceId id = m_nextSurface++;
    Surface s;
    s.options = options;
    s.screen = options.screen;
    s.toolWindow = options.toolWindow;
    s.image = NewImage(s.screen);
    m_surfaces.emplace(id, s);
    return id;
}

void HeadlessHost::DestroySurface(SurfaceId surface) {
    auto it = m_surfaces.find(surface);
    if (it == m_surfaces.end()) return;
    cairo_surface_destroy(it->second.image);
    m_surfaces.erase(it);
    std::erase(m_zOrder, surface);
    if (m_hoverSurface == surface) m_hoverSurface = 0;
    if (m_pressSurface == surface) m_pressSurface = 0;
    if (foreground == surface) foreground = 0;
}

void HeadlessHost::ShowSurface(SurfaceId surface, bool visible) {
    Surface* s = Get(surface);
    if (s == nullptr || s->visible == visible) return;
    s->visible = visible;
    if (visible) {
        Raise(surface);
        s->dirty = Rect{0, 0, s->screen.Width(), s->screen.Height()};
    } else {
        std::erase(m_zOrder, surface);
        if (m_hoverSurface == surface) {
            m_hoverSurface = 0;
            MouseInput leave;
            leave.kind = MouseInput::Leave;
            s->options.client->Mouse(leave);
        }
    }
}

void HeadlessHost::MoveSurface(SurfaceId surface, const Rect& screen) {
    Surface* s = Get(surface);
    if (s == nullptr) return;
    const bool resized =
        screen.Width() != s->screen.Width() || screen.Height() != s->screen.Height();
    s->screen = screen;
    if (resized) {
        cairo_surface_destroy(s->image);
        s->image = NewImage(screen);
        s->dirty = Rect{0, 0, screen.Width(), screen.Height()};
    }
}

void HeadlessHost::SetToolWindow(SurfaceId surface, bool toolWindow) {
    if (Surface* s = Get(surface)) s->toolWindow = toolWindow;
}

void HeadlessHost::SetSurfaceShape(SurfaceId surface, const std::optional<RoundRect>& shape) {
    if (Surface* s = Get(surface)) s->shape = shape;
}

void HeadlessHost::SetForeground(SurfaceId surface) {
    if (Get(surface) == nullptr) return;
    foreground = surface;
    if (Get(surface)->visible) Raise(surface);
}

void HeadlessHost::InvalidateSurface(SurfaceId surface, const Rect& area) {
    Surface* s = Get(surface);
    if (s == nullptr) return;
    const Rect clipped = area.Intersect(Rect{0, 0, s->screen.Width(), s->screen.Height()});
    s->dirty = s->dirty.Union(clipped);
}

void HeadlessHost::BeginMoveDrag(SurfaceId surface, Point screen) {
    moveDrags.emplace_back(surface, screen);
}

void HeadlessHost::SetCursor(SurfaceId surface, CursorShape shape) {
    if (Surface* s = Get(surface)) s->cursor = shape;
}

void HeadlessHost::RunLoop(const std::function<bool()>& running) {
    int idleTimerFires = 0;
    while (running()) {
        RunUntilIdle();
        if (!running()) break;
        if (!m_steps.empty()) {
            auto step = std::move(m_steps.front());
            m_steps.pop_front();
            step();
            idleTimerFires = 0;
            continue;
        }
        if (++idleTimerFires < kMaxIdleTimerFires && FireNextTimer(~0ULL)) continue;
        throw std::logic_error("headless loop would block: no scripted step left and no timer");
    }
}

Host::TimerId HeadlessHost::StartTimer(unsigned ms, std::function<void()> tick) {
    const TimerId id = m_nextTimer++;
    const unsigned period = std::max(1u, ms);
    m_timers.emplace(id, Timer{period, m_now + period, std::move(tick)});
    return id;
}

void HeadlessHost::RunInBackground(std::function<void()> job) {
    if (m_workers)
        m_workers->Submit(std::move(job));
    else
        m_jobs.push_back(std::move(job));
}

void HeadlessHost::PostCompletion(std::function<void()> completion) {
    std::lock_guard lock(m_completionMutex);
    m_completions.push_back(std::move(completion));
}

void HeadlessHost::UseWorkerThreads(unsigned threads) {
    m_workers = std::make_unique<WorkerPool>(threads);
    while (!m_jobs.empty()) {
        m_workers->Submit(std::move(m_jobs.front()));
        m_jobs.pop_front();
    }
}

bool HeadlessHost::RunOneBackgroundJob() {
    if (m_jobs.empty()) return false;
    auto job = std::move(m_jobs.front());
    m_jobs.pop_front();
    job();
    return true;
}

void HeadlessHost::FinishBackgroundWork() {
    for (;;) {
        if (m_workers) m_workers->WaitIdle();
        while (RunOneBackgroundJob()) {
        }
        RunUntilIdle();
        bool done = m_jobs.empty();
        if (m_workers) {
            m_workers->WaitIdle();
            std::lock_guard lock(m_completionMutex);
            done = done && m_completions.empty();
        }
        if (done) return;
    }
}

bool HeadlessHost::RunOneCompletion() {
    std::function<void()> completion;
    {
        std::lock_guard lock(m_completionMutex);
        if (m_completions.empty()) return false;
        completion = std::move(m_completions.front());
        m_completions.pop_front();
    }
    completion();
    return true;
}

void HeadlessHost::StopTimer(TimerId timer) { m_timers.erase(timer); }

std::unique_ptr<NativeEdit> HeadlessHost::CreateEdit(SurfaceId surface,
                                                     const EditOptions& options) {
    return std::make_unique<HeadlessEdit>(*this, surface, options);
}

std::unique_ptr<NativeWebView> HeadlessHost::CreateWebView(SurfaceId surface,
                                                           const WebViewOptions& options) {
    return std::make_unique<HeadlessWebView>(*this, surface, options);
}

std::optional<std::string> HeadlessHost::OpenFileDialog(SurfaceId owner,
                                                        const std::vector<FileFilter>& filters) {
    fileDialogs.push_back({owner, filters});
    if (m_fileAnswers.empty()) return std::nullopt;
    auto answer = m_fileAnswers.front();
    m_fileAnswers.pop_front();
    return answer;
}

std::optional<std::string> HeadlessHost::BrowseFolder(SurfaceId owner, const std::string& title) {
    folderDialogs.push_back({owner, title});
    if (m_folderAnswers.empty()) return std::nullopt;
    auto answer = m_folderAnswers.front();
    m_folderAnswers.pop_front();
    return answer;
}

unsigned HeadlessHost::PopupMenu(SurfaceId owner, const std::vector<MenuItem>& items,
                                 Point screen) {
    menus.push_back({owner, items, screen});
    if (m_menuAnswers.empty()) return 0;
    const unsigned answer = m_menuAnswers.front();
    m_menuAnswers.pop_front();
    return answer;
}

bool HeadlessHost::AddTrayIcon(const TrayIcon& icon) {
    if (!trayAvailable || trayIcons.count(icon.id) != 0) return false;
    trayIcons.emplace(icon.id, icon);
    ++trayAdds;
    return true;
}

bool HeadlessHost::ModifyTrayIcon(const TrayIcon& icon) {
    auto it = trayIcons.find(icon.id);
    if (it == trayIcons.end()) return false;
    it->second = icon;
    return true;
}

bool HeadlessHost::DeleteTrayIcon(unsigned id) { return trayIcons.erase(id) != 0; }

void HeadlessHost::RunUntilIdle() {
    for (;;) {
        if (m_wakePending) {
            m_wakePending = false;
            if (m_wake) m_wake();
            continue;
        }
        if (RunOneCompletion()) continue;
        if (!m_deferred.empty()) {
            auto work = std::move(m_deferred.front().work);
            m_deferred.pop_front();
            work();
            continue;
        }
        if (PaintOne()) continue;
        break;
    }
}

bool HeadlessHost::PaintOne() {
    for (auto& [id, s] : m_surfaces) {
        if (!s.visible || s.dirty.IsEmpty()) continue;
        const Rect area = s.dirty;
        s.dirty = {};
        cairo_t* cr = cairo_create(s.image);
        cairo_rectangle(cr, area.left, area.top, area.Width(), area.Height());
        cairo_clip(cr);
        s.options.client->Paint(cr, area);
        cairo_destroy(cr);
        cairo_surface_flush(s.image);
        return true;
    }
    return false;
}

bool HeadlessHost::FireNextTimer(unsigned long long limit) {
    auto next = m_timers.end();
    for (auto it = m_timers.begin(); it != m_timers.end(); ++it) {
        if (it->second.due <= limit &&
            (next == m_timers.end() || it->second.due < next->second.due))
            next = it;
    }
    if (next == m_timers.end()) return false;
    m_now = std::max(m_now, next->second.due);
    next->second.due += next->second.period;
    auto tick = next->second.tick;  // the tick may stop its own timer
    tick();
    RunUntilIdle();
    return true;
}

void HeadlessHost::Advance(unsigned ms) {
    const unsigned long long limit = m_now + ms;
    RunUntilIdle();
    while (FireNextTimer(limit)) {
    }
    m_now = limit;
}

HeadlessHost::Surface* HeadlessHost::Get(SurfaceId surface) {
    auto it = m_surfaces.find(surface);
    return it == m_surfaces.end() ? nullptr : &it->second;
}

const HeadlessHost::Surface* HeadlessHost::Find(SurfaceId surface) const {
    auto it = m_surfaces.find(surface);
    return it == m_surfaces.end() ? nullptr : &it->second;
}

std::vector<SurfaceId> HeadlessHost::Surfaces() const {
    std::vector<SurfaceId> ids;
    for (const auto& [id, s] : m_surfaces) ids.push_back(id);
    return ids;
}

void HeadlessHost::Raise(SurfaceId surface) {
    std::erase(m_zOrder, surface);
    m_zOrder.push_back(surface);
    // Owned pop-ups stay above their owner.
    for (SurfaceId other : std::vector<SurfaceId>(m_zOrder)) {
        const Surface* o = Find(other);
        if (o != nullptr && o->options.owner == surface) {
            std::erase(m_zOrder, other);
            m_zOrder.push_back(other);
        }
    }
}

SurfaceId HeadlessHost::SurfaceAt(Point screen) const {
    for (auto it = m_zOrder.rbegin(); it != m_zOrder.rend(); ++it) {
        const Surface* s = Find(*it);
        if (s == nullptr || !s->visible || !s->screen.Contains(screen)) continue;
        const Point local{screen.x - s->screen.left, screen.y - s->screen.top};
        if (s->shape && !s->shape->Contains(local)) continue;
        return *it;
    }
    return 0;
}

std::uint32_t HeadlessHost::Pixel(SurfaceId surface, Point client) const {
    const Surface* s = Find(surface);
    if (s == nullptr) return 0;
    const int w = cairo_image_surface_get_width(s->image);
    const int h = cairo_image_surface_get_height(s->image);
    if (client.x < 0 || client.y < 0 || client.x >= w || client.y >= h) return 0;
    const unsigned char* data = cairo_image_surface_get_data(s->image);
    const int stride = cairo_image_surface_get_stride(s->image);
    return *reinterpret_cast<const std::uint32_t*>(data + client.y * stride + client.x * 4);
}

void HeadlessHost::RemoveEdit(HeadlessEdit* edit) {
    std::erase(m_edits, edit);
    if (m_focusedEdit == edit) m_focusedEdit = nullptr;
}

void HeadlessHost::FocusEdit(HeadlessEdit* edit) {
    if (m_focusedEdit == edit) return;
    HeadlessEdit* old = m_focusedEdit;
    m_focusedEdit = edit;
    if (old != nullptr) old->FocusChanged(false);
    if (edit != nullptr) edit->FocusChanged(true);
}

void HeadlessHost::RemoveWebView(HeadlessWebView* view) {
    std::erase(m_webViews, view);
    std::erase_if(m_deferred, [view](const Deferred& d) { return d.owner == view; });
}

void HeadlessHost::Defer(std::function<void()> work, const void* owner) {
    m_deferred.push_back({std::move(work), owner});
}

}  // namespace lumora
