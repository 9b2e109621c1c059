#include "platform/linux/GtkHost.h"

#include <gtk/gtk.h>

#include "platform/linux/GtkFileDialog.h"
#include "platform/linux/GtkFolderBrowser.h"
#include "platform/linux/GtkMessageBox.h"
#include "platform/linux/GtkNativeEdit.h"
#include "platform/linux/GtkPopupMenu.h"
#include "platform/linux/GtkSurface.h"
#include "platform/linux/GtkTrayIcon.h"
#include "platform/linux/GtkWebView.h"
#include "platform/linux/GtkX11.h"
#include "platform/linux/StatusNotifierItem.h"

namespace lumora {

// Marks the time one of the host's own modal boxes, dialogs or menus runs; events for the
// framework wait meanwhile and are handed over when the last one ends.
class GtkHost::ModalScope {
public:
    explicit ModalScope(GtkHost& host) : m_host(host) { ++m_host.m_modalDepth; }
    ~ModalScope() {
        if (--m_host.m_modalDepth == 0) m_host.Drain();
    }
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;

private:
    GtkHost& m_host;
};

struct GtkHost::Timer {
    GtkHost* host;
    std::function<void()> tick;
    unsigned source = 0;
    bool owed =
        false;  // a tick fell into a modal; one is delivered after it, as WM_TIMER coalesces

    static gboolean Fire(gpointer data) {
        auto* timer = static_cast<Timer*>(data);
        if (timer->host->m_modalDepth > 0) {
            timer->owed = true;
            return G_SOURCE_CONTINUE;
        }
        auto tick = timer->tick;  // the tick may stop its own timer
        tick();
        return G_SOURCE_CONTINUE;
    }
};

std::unique_ptr<GtkHost> GtkHost::Open() {
    X11PrepareForThreads();
    gdk_set_allowed_backends("x11");
    if (!gtk_init_check(nullptr, nullptr)) return nullptr;
    return std::unique_ptr<GtkHost>(new GtkHost());
}

GtkHost::GtkHost() : m_workers(std::make_unique<WorkerPool>()) {}

GtkHost::~GtkHost() {
    // No worker may post a completion to a host that is gone.
    m_workers.reset();
    if (m_completionSource) g_source_remove(m_completionSource);
    if (m_wakeSource) g_source_remove(m_wakeSource);
    for (auto& [id, timer] : m_timers) g_source_remove(timer->source);
    m_trayIcons.clear();
    m_surfaces.clear();
}

GtkSurface* GtkHost::Find(SurfaceId surface) const {
    auto it = m_surfaces.find(surface);
    return it == m_surfaces.end() ? nullptr : it->second.get();
}

GtkWindow* GtkHost::OwnerWindow(SurfaceId owner) const {
    GtkSurface* surface = Find(owner);
    return surface ? surface->Window() : nullptr;
}

void GtkHost::Deliver(std::function<void()> event) {
    if (m_modalDepth > 0)
        m_held.push_back(std::move(event));
    else
        event();
}

void GtkHost::Drain() {
    while (m_modalDepth == 0 && !m_held.empty()) {
        auto event = std::move(m_held.front());
        m_held.pop_front();
        event();
    }
    for (auto& [id, timer] : m_timers) {
        if (!timer->owed) continue;
        timer->owed = false;
        // Fired from the loop, not from inside the modal call that is just returning.
        g_idle_add_full(G_PRIORITY_DEFAULT, Timer::Fire, timer.get(), nullptr);
    }
    if (m_wakeOwed) {
        m_wakeOwed = false;
        Wake();
    }
}

int GtkHost::MessageBox(SurfaceId owner, const std::string& text, const std::string& caption,
                        MessageBoxStyle style) {
    ModalScope modal(*this);
    return GtkMessageBox(text, caption, style).Run(OwnerWindow(owner));
}

SurfaceId GtkHost::CreateSurface(const SurfaceOptions& options) {
    const SurfaceId id = m_nextSurface++;
    m_surfaces.emplace(id,
                       std::make_unique<GtkSurface>(*this, options, OwnerWindow(options.owner)));
    return id;
}

void GtkHost::DestroySurface(SurfaceId surface) { m_surfaces.erase(surface); }

void GtkHost::ShowSurface(SurfaceId surface, bool visible) {
    if (GtkSurface* s = Find(surface)) s->Show(visible);
}

void GtkHost::MoveSurface(SurfaceId surface, const Rect& screen) {
    if (GtkSurface* s = Find(surface)) s->Move(screen);
}

void GtkHost::SetToolWindow(SurfaceId surface, bool toolWindow) {
    if (GtkSurface* s = Find(surface)) s->SetToolWindow(toolWindow);
}

void GtkHost::SetSurfaceTitle(SurfaceId surface, const std::string& title) {
    if (GtkSurface* s = Find(surface)) s->SetTitle(title);
}

void GtkHost::IconifySurface(SurfaceId surface) {
    if (GtkSurface* s = Find(surface)) s->Iconify();
}

void GtkHost::SetSurfaceShape(SurfaceId surface, const std::optional<RoundRect>& shape) {
    if (GtkSurface* s = Find(surface)) s->SetShape(shape);
}

void GtkHost::SetForeground(SurfaceId surface) {
    if (GtkSurface* s = Find(surface)) s->Raise();
}

void GtkHost::InvalidateSurface(SurfaceId surface, const Rect& area) {
    if (GtkSurface* s = Find(surface)) s->Invalidate(area);
}

void GtkHost::BeginMoveDrag(SurfaceId surface, Point screen) {
    if (GtkSurface* s = Find(surface)) s->BeginMoveDrag(screen);
}

void GtkHost::SetCursor(SurfaceId surface, CursorShape shape) {
    if (GtkSurface* s = Find(surface)) s->SetCursor(shape);
}

Point GtkHost::CursorPos() const {
    GdkSeat* seat = gdk_display_get_default_seat(gdk_display_get_default());
    Point p;
    if (seat) gdk_device_get_position(gdk_seat_get_pointer(seat), nullptr, &p.x, &p.y);
    return p;
}

Size GtkHost::ScreenSize() const {
    GdkDisplay* display = gdk_display_get_default();
    GdkMonitor* monitor = gdk_display_get_primary_monitor(display);
    if (!monitor) monitor = gdk_display_get_monitor(display, 0);
    if (!monitor) return {};
    GdkRectangle area;
    gdk_monitor_get_geometry(monitor, &area);
    return {area.width, area.height};
}

void GtkHost::SetWakeHandler(std::function<void()> wake) { m_wake = std::move(wake); }

void GtkHost::Wake() {
    if (m_modalDepth > 0) {
        m_wakeOwed = true;
        return;
    }
    if (m_wakeSource) return;
    // Default priority: the framework's queue goes before GTK's redraws, which run at a lower
    // one, so posted work and the invalidation it causes paint in the same frame.
    m_wakeSource = g_idle_add_full(
        G_PRIORITY_DEFAULT,
        [](gpointer data) -> gboolean {
            static_cast<GtkHost*>(data)->RunWake();
            return G_SOURCE_REMOVE;
        },
        this, nullptr);
}

void GtkHost::RunWake() {
    m_wakeSource = 0;
    if (m_wake) m_wake();
}

void GtkHost::RunInBackground(std::function<void()> job) { m_workers->Submit(std::move(job)); }

void GtkHost::PostCompletion(std::function<void()> completion) {
    std::lock_guard lock(m_completionMutex);
    m_completions.push_back(std::move(completion));
    if (m_completionSource) return;
    // g_idle_add is safe from any thread and wakes the loop.
    m_completionSource = g_idle_add_full(
        G_PRIORITY_DEFAULT,
        [](gpointer data) -> gboolean {
            static_cast<GtkHost*>(data)->RunCompletions();
            return G_SOURCE_REMOVE;
        },
        this, nullptr);
}

void GtkHost::RunCompletions() {
    std::deque<std::function<void()>> completions;
    {
        std::lock_guard lock(m_completionMutex);
        m_completionSource = 0;
        completions.swap(m_completions);
    }
    for (auto& completion : completions) Deliver(std::move(completion));
}

void GtkHost::RunLoop(const std::function<bool()>& running) {
    while (running()) g_main_context_iteration(nullptr, TRUE);
}

Host::TimerId GtkHost::StartTimer(unsigned ms, std::function<void()> tick) {
    const TimerId id = m_nextTimer++;
    auto timer = std::make_unique<Timer>(Timer{this, std::move(tick)});
    timer->source = g_timeout_add(std::max(1u, ms), Timer::Fire, timer.get());
    m_timers.emplace(id, std::move(timer));
    return id;
}

void GtkHost::StopTimer(TimerId timer) {
    auto it = m_timers.find(timer);
    if (it == m_timers.end()) return;
    g_source_remove(it->second->source);
    // An owed tick may sit in an idle call with this timer's address.
    g_idle_remove_by_data(it->second.get());
    m_timers.erase(it);
}

std::unique_ptr<NativeEdit> GtkHost::CreateEdit(SurfaceId surface, const EditOptions& options) {
    GtkSurface* s = Find(surface);
    if (!s) return nullptr;
    return std::make_unique<GtkNativeEdit>(s->Layer(), s->Canvas(), options);
}

std::unique_ptr<NativeWebView> GtkHost::CreateWebView(SurfaceId surface,
                                                      const WebViewOptions& options) {
    GtkSurface* s = Find(surface);
    if (!s) return nullptr;
    return std::make_unique<GtkWebView>(s->Layer(), options);
}

std::optional<std::string> GtkHost::OpenFileDialog(SurfaceId owner,
                                                   const std::vector<FileFilter>& filters) {
    ModalScope modal(*this);
    return GtkFileDialog(filters).Run(OwnerWindow(owner));
}

std::optional<std::string> GtkHost::BrowseFolder(SurfaceId owner, const std::string& title) {
    ModalScope modal(*this);
    return GtkFolderBrowser(title).Run(OwnerWindow(owner));
}

unsigned GtkHost::PopupMenu(SurfaceId, const std::vector<MenuItem>& items, Point screen) {
    ModalScope modal(*this);
    return GtkPopupMenu(items).Run(screen);
}

// The desktop's own way first: a panel that shows StatusNotifierItems (KDE Plasma, GNOME with
// the AppIndicator extension, Wayland panels), else an X11 system tray (XFCE, MATE, Cinnamon,
// plain X11 panels). The choice is made afresh at each add.
bool GtkHost::AddTrayIcon(const TrayIcon& icon) {
    if (m_trayIcons.count(icon.id) != 0) return false;
    std::unique_ptr<NotificationAreaIcon> made;
    if (StatusNotifierItem::Available()) {
        made = std::make_unique<StatusNotifierItem>(*this, icon);
    } else if (GtkTrayIcon::AreaAvailable()) {
        made = std::make_unique<GtkTrayIcon>(*this, icon);
    } else {
        return false;
    }
    m_trayIcons.emplace(icon.id, std::move(made));
    return true;
}

bool GtkHost::ModifyTrayIcon(const TrayIcon& icon) {
    auto it = m_trayIcons.find(icon.id);
    if (it == m_trayIcons.end()) return false;
    it->second->Update(icon);
    return true;
}

bool GtkHost::DeleteTrayIcon(unsigned id) { return m_trayIcons.erase(id) != 0; }

}  // namespace lumora
