#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/FileFilter.h"
#include "base/Geometry.h"

typedef struct _cairo cairo_t;

namespace lumora {

class DesktopBackground;

// The buttons of a message box, and the icon beside its text.
enum class BoxButtons { Ok, OkCancel, YesNo };
enum class BoxIcon { None, Warning, Question, Information };

struct MessageBoxStyle {
    BoxButtons buttons = BoxButtons::Ok;
    BoxIcon icon = BoxIcon::None;

    friend bool operator==(const MessageBoxStyle&, const MessageBoxStyle&) = default;
};

// Results of modal boxes and dialogs.
enum DialogResult : int {
    IDOK = 1,
    IDCANCEL = 2,
    IDYES = 6,
    IDNO = 7,
};

// The answer of a message box closed without a button: the one that changes nothing (No for a
// question, Cancel where there is one, otherwise OK, the only button).
inline int ClosedBoxAnswer(BoxButtons buttons) {
    switch (buttons) {
        case BoxButtons::YesNo:
            return IDNO;
        case BoxButtons::OkCancel:
            return IDCANCEL;
        case BoxButtons::Ok:
            break;
    }
    return IDOK;
}

// A top-level surface of the host; 0 stands for none (an unowned box).
using SurfaceId = std::uint64_t;

// A colour as the program stores it: red in the lowest byte, then green, then blue.
using ColorRef = std::uint32_t;

// Mouse input, in client coordinates of the surface it arrived on.
enum class MouseButton { Left, Right, Middle };

struct MouseInput {
    enum Kind { Move, Down, Up, Wheel, Leave };
    Kind kind = Move;
    MouseButton button = MouseButton::Left;  // Down and Up only
    Point client;                            // not meaningful for Leave
    int wheelDelta = 0;                      // Wheel only: +120 a notch away from the user
    unsigned keyState = 0;                   // MK_* bits of buttons and modifiers held
};

// Keys are delivered as Win32 virtual-key codes (VK_RETURN 0x0D, VK_ESCAPE 0x1B, VK_TAB 0x09,
// letters as their upper-case ASCII, digits as ASCII); `text` carries the typed characters
// (UTF-8) of a key press, empty for keys that type nothing.
struct KeyInput {
    bool down = true;
    unsigned vk = 0;
    std::string text;
};

// What the window framework does for one top-level surface. The host calls it from its own
// loop, never re-entrantly from inside a Host call made by the framework, except where a
// method's comment says so.
class SurfaceClient {
public:
    virtual ~SurfaceClient() = default;

    // Paint `area` (surface client coordinates) into `cr`; `cr` is already clipped to it.
    virtual void Paint(cairo_t* cr, const Rect& area) = 0;
    virtual void Mouse(const MouseInput& input) = 0;
    // A key for the surface's focused window (not for a native edit: see EditOptions).
    virtual void Key(const KeyInput& input) = 0;
    // The system uncovered or restored the surface on its own (not after ShowSurface): the
    // framework repaints the frame and the client area.
    virtual void Exposed() = 0;
    // The system moved the surface (for instance by a move-drag); `screen` is the new rectangle.
    virtual void Moved(const Rect& screen) = 0;
    // The user asked the window manager to close the surface (Alt+F4, close button).
    virtual void CloseRequested() = 0;
};

struct SurfaceOptions {
    SurfaceId owner = 0;      // an owned pop-up stays above its owner and has no task-bar entry
    bool toolWindow = false;  // no task-bar entry (WS_EX_TOOLWINDOW); else an app window
    Rect screen;              // position and size in screen pixels
    std::string title;
    SurfaceClient* client = nullptr;  // outlives the surface
};

enum class CursorShape { Arrow, Hand, IBeam, Wait };

// The font of a native child, in the terms of the drawing context.
struct FontSpec {
    std::string family;
    int pixelSize = 12;
    bool bold = false;
    bool italic = false;
};

// A native single- or multi-line text entry placed over a window's rectangle.
struct EditOptions {
    bool multiLine = false;
    bool readOnly = false;
    bool autoHScroll = false;
    std::function<void()> focusIn;   // EN_SETFOCUS
    std::function<void()> focusOut;  // EN_KILLFOCUS
    std::function<void()> changed;   // EN_CHANGE, after the text changed by typing
    // Called for every key press and release the entry gets, before it handles it; answer true
    // to swallow the key (the framework runs its message pre-translation here).
    std::function<bool(const KeyInput&)> key;
};

// A native widget placed over a window's rectangle on a surface.
class NativeWidget {
public:
    virtual ~NativeWidget() = default;
    // Rectangle in client coordinates of the surface the widget was created on.
    virtual void SetRect(const Rect& surfaceRect) = 0;
    virtual void SetVisible(bool visible) = 0;
};

class NativeEdit : public NativeWidget {
public:
    virtual std::string Text() const = 0;
    virtual void SetText(const std::string& text) = 0;  // does not call `changed`
    virtual void Focus() = 0;
    // Gives the keyboard focus back to the surface (the window framework moved its focus to
    // a window that is not this edit).
    virtual void Blur() = 0;
    virtual bool HasFocus() const = 0;
    // The text area inside the edit, relative to the edit's own top left corner.
    virtual void SetFormattingRect(const Rect& rect) = 0;
    virtual void SetFont(const FontSpec& font) = 0;
    // Text colour, and a background colour or none (the parent shows through).
    virtual void SetColors(ColorRef text, std::optional<ColorRef> background) = 0;
};

// A web view placed over a window's rectangle.
struct WebViewOptions {
    // Called before every navigation, frames included, with the percent-decoded target URL;
    // answer true to cancel it.
    std::function<bool(const std::string& url)> beforeNavigate;
    // Called when a page has finished loading.
    std::function<void(const std::string& url)> loaded;
    // Called for a navigation that asks for a new window (target "_blank", window.open) and
    // that beforeNavigate let pass. The view itself never opens a second window.
    std::function<void(const std::string& url)> newWindow;
};

class NativeWebView : public NativeWidget {
public:
    virtual void Navigate(const std::string& url) = 0;
    // Calls the page's global function `name` without arguments if the page defines one.
    virtual void CallFunction(const std::string& name) = 0;
    // Silent: script dialogs (alert, confirm, prompt) and error pages are suppressed.
    virtual void SetSilent(bool silent) = 0;
    // Pages show no scroll bars of the view (the content still scrolls with the wheel).
    virtual void SetScrollBarsHidden(bool hidden) = 0;
    // While busy the pointer over the view is the busy cursor.
    virtual void SetBusy(bool busy) = 0;
};

struct MenuItem {
    unsigned id = 0;
    std::string text;
};

// The notification-area icon. Clicks arrive as callbacks from the host's loop.
struct TrayIcon {
    unsigned id = 0;
    std::string tip;
    std::string iconPath;             // a picture file; empty for the program's default icon
    std::function<void()> leftClick;  // after the left button was released on the icon
    // After the right button was released on the icon; the point (screen pixels) is where the
    // icon's menu belongs.
    std::function<void(Point)> rightClick;
    // Notification areas that show an icon's menu themselves (a menu exported over D-Bus) offer
    // these items and report the one chosen through `menuCommand`.
    std::vector<MenuItem> menu;
    std::function<void(unsigned)> menuCommand;
    // The program's name: how the desktop tells the icon apart, and the icon's name in the
    // icon theme once the program is installed.
    std::string appName;
};

// Everything the program needs from the desktop's windowing system. The GTK host is the real
// one; the headless host records and scripts it for tests.
class Host {
public:
    virtual ~Host() = default;

    // Shows a modal message box owned by `owner` and returns the button pressed (IDOK,
    // IDCANCEL, IDYES or IDNO; closing the box answers ClosedBoxAnswer).
    virtual int MessageBox(SurfaceId owner, const std::string& text, const std::string& caption,
                           MessageBoxStyle style) = 0;

    // Top-level surfaces. A new surface is hidden. Rectangles are screen pixels.
    virtual SurfaceId CreateSurface(const SurfaceOptions& options) = 0;
    virtual void DestroySurface(SurfaceId surface) = 0;
    virtual void ShowSurface(SurfaceId surface, bool visible) = 0;
    virtual void MoveSurface(SurfaceId surface, const Rect& screen) = 0;
    virtual void SetToolWindow(SurfaceId surface, bool toolWindow) = 0;
    // The title the window manager and the task bar show for the surface.
    virtual void SetSurfaceTitle(SurfaceId surface, const std::string& title) = 0;
    // Minimises the surface to the task bar; the user brings it back from there. A host without
    // a task bar leaves the surface as it is.
    virtual void IconifySurface(SurfaceId /*surface*/) {}
    // Clips the surface to a rounded rectangle (surface coordinates), or removes the shape.
    virtual void SetSurfaceShape(SurfaceId surface, const std::optional<RoundRect>& shape) = 0;
    virtual void SetForeground(SurfaceId surface) = 0;
    // Asks for a Paint of `area` (surface client coordinates) from the loop, once, later.
    virtual void InvalidateSurface(SurfaceId surface, const Rect& area) = 0;
    // Starts a window-manager move of the surface with the pointer (button held at `screen`).
    virtual void BeginMoveDrag(SurfaceId surface, Point screen) = 0;
    virtual void SetCursor(SurfaceId surface, CursorShape shape) = 0;

    virtual Point CursorPos() const = 0;  // screen pixels
    virtual Size ScreenSize() const = 0;

    // The loop. `wake` is called from the loop, soon and once, after each Wake(); the framework
    // drains its message queue there, so it should run before pending redraws. RunLoop runs
    // the loop (input, timers, wakes) until `running` answers false; it nests, one level per
    // modal dialog of the framework. While a modal box, file or folder dialog or popup menu of
    // the host runs, `wake` is not called (the program's queue waits, as its modal boxes block
    // it); a Wake() meanwhile is honoured after the box has closed. Timer callbacks may stop
    // their own timer.
    virtual void SetWakeHandler(std::function<void()> wake) = 0;
    virtual void Wake() = 0;
    virtual void RunLoop(const std::function<bool()>& running) = 0;

    // Background work. RunInBackground runs `job` on a worker thread; jobs may run side by side
    // and must not touch windows. PostCompletion may be called from any thread: `completion`
    // runs later on the loop, in the order posted, and waits while a modal box, dialog or menu
    // of the host runs, as the framework's queue does.
    virtual void RunInBackground(std::function<void()> job) = 0;
    virtual void PostCompletion(std::function<void()> completion) = 0;

    // Repeating timers. The callback runs from the loop every `ms` milliseconds until stopped.
    using TimerId = std::uint64_t;
    virtual TimerId StartTimer(unsigned ms, std::function<void()> tick) = 0;
    virtual void StopTimer(TimerId timer) = 0;

    // Native children over a surface.
    virtual std::unique_ptr<NativeEdit> CreateEdit(SurfaceId surface,
                                                   const EditOptions& options) = 0;
    virtual std::unique_ptr<NativeWebView> CreateWebView(SurfaceId surface,
                                                         const WebViewOptions& options) = 0;

    // Modal dialogs of the system. Empty answers mean cancelled. The file dialog lists the
    // types of `filters` with the first one chosen.
    virtual std::optional<std::string> OpenFileDialog(SurfaceId owner,
                                                      const std::vector<FileFilter>& filters) = 0;
    virtual std::optional<std::string> BrowseFolder(SurfaceId owner, const std::string& title) = 0;
    // Shows a popup menu with its top left corner at `screen`; answers the chosen id, 0 for none.
    virtual unsigned PopupMenu(SurfaceId owner, const std::vector<MenuItem>& items,
                               Point screen) = 0;

    // Notification-area icon, by TrayIcon::id. Add fails when the id exists already or there is
    // no notification area; Modify and Delete fail when the id does not exist.
    virtual bool AddTrayIcon(const TrayIcon& icon) = 0;
    virtual bool ModifyTrayIcon(const TrayIcon& icon) = 0;
    virtual bool DeleteTrayIcon(unsigned id) = 0;

    // The desktop background that pictures set as wallpaper from a window go to: the
    // session's own, unless the host stands in for the desktop as well.
    virtual DesktopBackground& Desktop();
};

// The host the program runs on, installed once at start (the GTK host, or a test's headless
// host). CurrentHost() must not be called before SetCurrentHost.
void SetCurrentHost(Host* host);
Host& CurrentHost();
// Counts SetCurrentHost calls, so that state kept for one host is not reused for the next one
// (which may live at the same address).
std::uint64_t CurrentHostGeneration();

}  // namespace lumora
