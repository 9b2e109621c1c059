#include "platform/linux/GtkHost.h"

#include <gtk/gtk.h>

#include "platform/linux/GtkMessageBox.h"

namespace lumora {

std::unique_ptr<GtkHost> GtkHost::Open() {
    gdk_set_allowed_backends("x11");
    if (!gtk_init_check(nullptr, nullptr)) return nullptr;
    return std::unique_ptr<GtkHost>(new GtkHost());
}

GtkHost::GtkHost() = default;
GtkHost::~GtkHost() = default;

int GtkHost::MessageBox(SurfaceId /*owner*/, const std::string& text, const std::string& caption,
                        unsigned type) {
    // Surfaces come in the next step; until then every box is unowned.
    return GtkMessageBox(text, caption, type).Run(nullptr);
}

// The rest of the host is being built; these answer "nothing happened" meanwhile.
SurfaceId GtkHost::CreateSurface(const SurfaceOptions&) { return 0; }
void GtkHost::DestroySurface(SurfaceId) {}
void GtkHost::ShowSurface(SurfaceId, bool) {}
void GtkHost::MoveSurface(SurfaceId, const Rect&) {}
void GtkHost::SetToolWindow(SurfaceId, bool) {}
void GtkHost::SetSurfaceShape(SurfaceId, const std::optional<RoundRect>&) {}
void GtkHost::SetForeground(SurfaceId) {}
void GtkHost::InvalidateSurface(SurfaceId, const Rect&) {}
void GtkHost::BeginMoveDrag(SurfaceId, Point) {}
void GtkHost::SetCursor(SurfaceId, CursorShape) {}
Point GtkHost::CursorPos() const { return {}; }
Size GtkHost::ScreenSize() const { return {}; }
void GtkHost::SetWakeHandler(std::function<void()>) {}
void GtkHost::Wake() {}
void GtkHost::RunLoop(const std::function<bool()>&) {}
Host::TimerId GtkHost::StartTimer(unsigned, std::function<void()>) { return 0; }
void GtkHost::StopTimer(TimerId) {}
std::unique_ptr<NativeEdit> GtkHost::CreateEdit(SurfaceId, const EditOptions&) { return nullptr; }
std::unique_ptr<NativeWebView> GtkHost::CreateWebView(SurfaceId, const WebViewOptions&) {
    return nullptr;
}
std::optional<std::string> GtkHost::OpenFileDialog(SurfaceId, const std::string&) { return {}; }
std::optional<std::string> GtkHost::BrowseFolder(SurfaceId, const std::string&) { return {}; }
unsigned GtkHost::PopupMenu(SurfaceId, const std::vector<MenuItem>&, Point) { return 0; }
bool GtkHost::AddTrayIcon(const TrayIcon&) { return false; }
bool GtkHost::ModifyTrayIcon(const TrayIcon&) { return false; }
bool GtkHost::DeleteTrayIcon(unsigned) { return false; }

}  // namespace lumora
