#pragma once

#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "platform/Host.h"
#include "platform/WorkerPool.h"

typedef struct _GtkWindow GtkWindow;

namespace lumora {

class GtkSurface;
class NotificationAreaIcon;

// The host on the desktop: GTK 3 on its X11 backend, WebKitGTK for the HTML view. This header
// stays free of GTK so that main() can open the host without seeing the toolkit.
class GtkHost final : public Host {
public:
    // Initialises GTK on the X11 backend (the program places its windows in screen coordinates,
    // which only X11 honours; under Wayland this runs through XWayland). Null when no display
    // can be opened.
    static std::unique_ptr<GtkHost> Open();

    ~GtkHost() override;

    int MessageBox(SurfaceId owner, const std::string& text, const std::string& caption,
                   MessageBoxStyle style) override;

    SurfaceId CreateSurface(const SurfaceOptions& options) override;
    void DestroySurface(SurfaceId surface) override;
    void ShowSurface(SurfaceId surface, bool visible) override;
    void MoveSurface(SurfaceId surface, const Rect& screen) override;
    void SetToolWindow(SurfaceId surface, bool toolWindow) override;
    void IconifySurface(SurfaceId surface) override;
    void SetSurfaceTitle(SurfaceId surface, const std::string& title) override;
    void SetSurfaceShape(SurfaceId surface, const std::optional<RoundRect>& shape) override;
    void SetForeground(SurfaceId surface) override;
    void InvalidateSurface(SurfaceId surface, const Rect& area) override;
    void BeginMoveDrag(SurfaceId surface, Point screen) override;
    void SetCursor(SurfaceId surface, CursorShape shape) override;

    Point CursorPos() const override;
    Size ScreenSize() const override;

    void SetWakeHandler(std::function<void()> wake) override;
    void Wake() override;
    void RunLoop(const std::function<bool()>& running) override;

    void RunInBackground(std::function<void()> job) override;
    void PostCompletion(std::function<void()> completion) override;

    TimerId StartTimer(unsigned ms, std::function<void()> tick) override;
    void StopTimer(TimerId timer) override;

    std::unique_ptr<NativeEdit> CreateEdit(SurfaceId surface, const EditOptions& options) override;
    std::unique_ptr<NativeWebView> CreateWebView(SurfaceId surface,
                                                 const WebViewOptions& options) override;

    std::optional<std::string> OpenFileDialog(SurfaceId owner,
                                              const std::vector<FileFilter>& filters) override;
    std::optional<std::string> BrowseFolder(SurfaceId owner, const std::string& title) override;
    unsigned PopupMenu(SurfaceId owner, const std::vector<MenuItem>& items, Point screen) override;

    bool AddTrayIcon(const TrayIcon& icon) override;
    bool ModifyTrayIcon(const TrayIcon& icon) override;
    bool DeleteTrayIcon(unsigned id) override;

    // Hands an event to the framework now, or, while one of the host's own modal boxes,
    // dialogs or menus runs, once it has ended: the framework is not re-entered from inside a
    // Host call it made.
    void Deliver(std::function<void()> event);

private:
    class ModalScope;
    struct Timer;

    GtkHost();
    GtkSurface* Find(SurfaceId surface) const;
    GtkWindow* OwnerWindow(SurfaceId owner) const;
    void Drain();
    void RunWake();
    void RunCompletions();

    std::map<SurfaceId, std::unique_ptr<GtkSurface>> m_surfaces;
    SurfaceId m_nextSurface = 1;
    std::map<TimerId, std::unique_ptr<Timer>> m_timers;
    TimerId m_nextTimer = 1;
    std::map<unsigned, std::unique_ptr<NotificationAreaIcon>> m_trayIcons;
    std::function<void()> m_wake;
    unsigned m_wakeSource = 0;  // the pending idle call of the wake handler, 0 for none
    bool m_wakeOwed = false;    // Wake() came while a modal ran
    int m_modalDepth = 0;
    std::deque<std::function<void()>> m_held;  // events held back while a modal ran
    // Completions handed in by worker threads, taken over by the loop in one idle call.
    std::mutex m_completionMutex;
    std::deque<std::function<void()>> m_completions;
    unsigned m_completionSource = 0;
    std::unique_ptr<WorkerPool> m_workers;
};

}  // namespace lumora
