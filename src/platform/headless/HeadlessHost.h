#pragma once

#include <cairo.h>

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/Host.h"
#include "platform/WorkerPool.h"
#include "platform/headless/RecordingDesktopBackground.h"

namespace lumora {

class HeadlessEdit;
class HeadlessWebView;

// The host for tests: offscreen surfaces, synthetic input by coordinates, a virtual clock and
// scripted answers for every modal box and dialog (each call recorded). Needs no display.
class HeadlessHost : public Host {
public:
    struct Surface {
        SurfaceOptions options;
        Rect screen;
        bool visible = false;
        bool toolWindow = false;
        std::optional<RoundRect> shape;
        CursorShape cursor = CursorShape::Arrow;
        cairo_surface_t* image = nullptr;  // ARGB32, the size of `screen`
        Rect dirty;
    };
    struct MessageBoxCall {
        SurfaceId owner;
        std::string text;
        std::string caption;
        MessageBoxStyle style;
    };
    struct FileDialogCall {
        SurfaceId owner;
        std::vector<FileFilter> filters;
    };
    struct FolderDialogCall {
        SurfaceId owner;
        std::string title;
    };
    struct MenuCall {
        SurfaceId owner;
        std::vector<MenuItem> items;
        Point screen;
    };

    HeadlessHost();
    ~HeadlessHost() override;
    HeadlessHost(const HeadlessHost&) = delete;
    HeadlessHost& operator=(const HeadlessHost&) = delete;

    // Host
    int MessageBox(SurfaceId owner, const std::string& text, const std::string& caption,
                   MessageBoxStyle style) override;
    SurfaceId CreateSurface(const SurfaceOptions& options) override;
    void DestroySurface(SurfaceId surface) override;
    void ShowSurface(SurfaceId surface, bool visible) override;
    void MoveSurface(SurfaceId surface, const Rect& screen) override;
    void SetToolWindow(SurfaceId surface, bool toolWindow) override;
    void IconifySurface(SurfaceId surface) override { iconified.push_back(surface); }
    void SetSurfaceTitle(SurfaceId surface, const std::string& title) override {
        if (auto it = m_surfaces.find(surface); it != m_surfaces.end())
            it->second.options.title = title;
    }
    void SetSurfaceShape(SurfaceId surface, const std::optional<RoundRect>& shape) override;
    void SetForeground(SurfaceId surface) override;
    void InvalidateSurface(SurfaceId surface, const Rect& area) override;
    void BeginMoveDrag(SurfaceId surface, Point screen) override;
    void SetCursor(SurfaceId surface, CursorShape shape) override;
    Point CursorPos() const override { return m_cursor; }
    Size ScreenSize() const override { return screenSize; }
    void SetWakeHandler(std::function<void()> wake) override { m_wake = std::move(wake); }
    void Wake() override { m_wakePending = true; }
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

    // Scripted answers, used in order; when none is left a box answers as if it was closed
    // (ClosedBoxAnswer) and a dialog or menu is cancelled. A handler, when set, answers instead and
    // may look at the program meanwhile.
    void ScriptMessageBox(int answer) { m_boxAnswers.push_back(answer); }
    std::function<int(const MessageBoxCall&)> messageBoxHandler;
    void ScriptOpenFile(std::optional<std::string> path) {
        m_fileAnswers.push_back(std::move(path));
    }
    void ScriptFolder(std::optional<std::string> path) {
        m_folderAnswers.push_back(std::move(path));
    }
    void ScriptMenu(unsigned id) { m_menuAnswers.push_back(id); }
    // Pictures set as wallpaper from a window are recorded here, not shown.
    DesktopBackground& Desktop() override { return desktop; }
    RecordingDesktopBackground desktop;

    std::vector<MessageBoxCall> messageBoxes;
    std::vector<FileDialogCall> fileDialogs;
    std::vector<FolderDialogCall> folderDialogs;
    std::vector<MenuCall> menus;
    std::map<unsigned, TrayIcon> trayIcons;
    int trayAdds = 0;           // successful adds
    bool trayAvailable = true;  // false: there is no notification area, adds fail
    std::vector<std::pair<SurfaceId, Point>> moveDrags;
    std::vector<SurfaceId> iconified;  // surfaces the program minimised, in order
    SurfaceId foreground = 0;
    Size screenSize{1920, 1080};

    // Steps for a nested RunLoop: each runs once the loop is idle, in order (a test's user
    // working inside a modal dialog). A loop with nothing to do and no step left advances the
    // clock to the next timer; with no timer either it throws, since it would block forever.
    void Then(std::function<void()> step) { m_steps.push_back(std::move(step)); }

    // Background jobs wait until the test runs them, on the test's own thread, so that a test
    // sees the program while a job is still pending. UseWorkerThreads(n) runs them on n real
    // threads instead (benchmarks). Completions run when the loop drains, as on a real host.
    void UseWorkerThreads(unsigned threads);
    // Runs the oldest pending job; its completion is posted, not run. False when none waits.
    bool RunOneBackgroundJob();
    // Runs jobs and completions, and whatever they start, until none is left, then until idle.
    void FinishBackgroundWork();
    std::size_t PendingBackgroundJobs() const { return m_jobs.size(); }

    // Drains wake-ups, completions, deferred work and pending paints.
    void RunUntilIdle();
    // The virtual clock: fires due timers in time order, running until idle after each.
    void Advance(unsigned ms);
    unsigned long long Now() const { return m_now; }
    // The running timers: each one's period and when it fires next, in starting order.
    struct TimerState {
        unsigned period;
        unsigned long long due;
    };
    std::vector<TimerState> RunningTimers() const {
        std::vector<TimerState> timers;
        for (const auto& [id, timer] : m_timers) timers.push_back({timer.period, timer.due});
        return timers;
    }

    // Synthetic mouse, by screen coordinates (the surface under the point gets it) or client
    // coordinates of a surface. Each call runs until idle afterwards.
    void MoveTo(Point screen);
    void Press(Point screen, MouseButton button = MouseButton::Left);
    void Release(Point screen, MouseButton button = MouseButton::Left);
    void Click(Point screen, MouseButton button = MouseButton::Left);
    void Wheel(Point screen, int delta);
    Point ToScreen(SurfaceId surface, Point client) const;
    // Keys go to the focused native edit, else to the foreground surface.
    void Key(unsigned vk, const std::string& text = {});
    void Type(const std::string& text);
    // A click on the icon; a right click asks for the menu at the cursor.
    void ClickTrayIcon(unsigned id, MouseButton button);
    // The notification area asks for the icon's menu at a point of its own choosing.
    void OpenTrayMenuAt(unsigned id, Point screen);
    // The user picks `command` in the menu the notification area shows itself; false (and
    // nothing happens) when the icon offers no such item.
    bool ChooseTrayMenuItem(unsigned id, unsigned command);
    void CloseSurface(SurfaceId surface);  // the user closes it through the window manager
    void Expose(SurfaceId surface);        // the system uncovers it

    // Reading back.
    const Surface* Find(SurfaceId surface) const;
    std::vector<SurfaceId> Surfaces() const;  // in creation order
    // The painted pixel as 0xAARRGGBB (premultiplied), after RunUntilIdle.
    std::uint32_t Pixel(SurfaceId surface, Point client) const;
    const std::vector<HeadlessEdit*>& Edits() const { return m_edits; }
    const std::vector<HeadlessWebView*>& WebViews() const { return m_webViews; }
    HeadlessEdit* FocusedEdit() const { return m_focusedEdit; }

    // For the native children.
    void AddEdit(HeadlessEdit* edit) { m_edits.push_back(edit); }
    void RemoveEdit(HeadlessEdit* edit);
    void FocusEdit(HeadlessEdit* edit);
    void AddWebView(HeadlessWebView* view) { m_webViews.push_back(view); }
    void RemoveWebView(HeadlessWebView* view);
    void Defer(std::function<void()> work, const void* owner);

private:
    struct Timer {
        unsigned period;
        unsigned long long due;
        std::function<void()> tick;
    };
    struct Deferred {
        std::function<void()> work;
        const void* owner;
    };

    Surface* Get(SurfaceId surface);
    SurfaceId SurfaceAt(Point screen) const;
    void Raise(SurfaceId surface);
    void DeliverMouse(Point screen, MouseInput input);
    bool PaintOne();
    bool RunOneCompletion();
    bool FireNextTimer(unsigned long long limit);

    std::map<SurfaceId, Surface> m_surfaces;
    std::vector<SurfaceId> m_zOrder;  // bottom to top
    SurfaceId m_nextSurface = 1;
    SurfaceId m_hoverSurface = 0;
    SurfaceId m_pressSurface = 0;  // implicit grab between press and release
    Point m_cursor;
    std::function<void()> m_wake;
    bool m_wakePending = false;
    std::deque<Deferred> m_deferred;
    std::deque<std::function<void()>> m_steps;
    std::map<TimerId, Timer> m_timers;
    TimerId m_nextTimer = 1;
    unsigned long long m_now = 0;
    std::deque<int> m_boxAnswers;
    std::deque<std::optional<std::string>> m_fileAnswers;
    std::deque<std::optional<std::string>> m_folderAnswers;
    std::deque<unsigned> m_menuAnswers;
    std::vector<HeadlessEdit*> m_edits;
    std::vector<HeadlessWebView*> m_webViews;
    HeadlessEdit* m_focusedEdit = nullptr;
    std::deque<std::function<void()>> m_jobs;
    std::mutex m_completionMutex;
    std::deque<std::function<void()>> m_completions;
    std::unique_ptr<WorkerPool> m_workers;
};

}  // namespace lumora
