#pragma once

#include <memory>
#include <string>

#include "platform/Host.h"

namespace lumora {

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
                   unsigned type) override;

    SurfaceId CreateSurface(const SurfaceOptions& options) override;
    void DestroySurface(SurfaceId surface) override;
    void ShowSurface(SurfaceId surface, bool visible) override;
    void MoveSurface(SurfaceId surface, const Rect& screen) override;
    void SetToolWindow(SurfaceId surface, bool toolWindow) override;
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

    TimerId StartTimer(unsigned ms, std::function<void()> tick) override;
    void StopTimer(TimerId timer) override;

    std::unique_ptr<NativeEdit> CreateEdit(SurfaceId surface, const EditOptions& options) override;
    std::unique_ptr<NativeWebView> CreateWebView(SurfaceId surface,
                                                 const WebViewOptions& options) override;

    std::optional<std::string> OpenFileDialog(SurfaceId owner, const std::string& filter) override;
    std::optional<std::string> BrowseFolder(SurfaceId owner, const std::string& title) override;
    unsigned PopupMenu(SurfaceId owner, const std::vector<MenuItem>& items, Point screen) override;

    bool AddTrayIcon(const TrayIcon& icon) override;
    bool ModifyTrayIcon(const TrayIcon& icon) override;
    bool DeleteTrayIcon(unsigned id) override;

private:
    GtkHost();
};

}  // namespace lumora
