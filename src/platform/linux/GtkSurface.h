#pragma once

#include <gtk/gtk.h>

#include <optional>

#include "platform/Host.h"

namespace lumora {

class GtkHost;

// One top-level surface: an undecorated, app-paintable GtkWindow at a screen position. A
// GtkLayout fills it; its first child is the drawing area the framework paints into and takes
// input from, the native children (entries, web views) are put over it and clipped to it.
class GtkSurface {
public:
    GtkSurface(GtkHost& host, const SurfaceOptions& options, GtkWindow* owner);
    ~GtkSurface();
    GtkSurface(const GtkSurface&) = delete;
    GtkSurface& operator=(const GtkSurface&) = delete;

    GtkWindow* Window() const { return m_window; }
    // Where native children are put, in surface client coordinates.
    GtkLayout* Layer() const { return m_layer; }
    // The drawing area, which holds the keyboard focus when no native child has it.
    GtkWidget* Canvas() const { return m_canvas; }

    void Show(bool visible);
    void Move(const Rect& screen);
    void SetToolWindow(bool toolWindow);
    void Iconify() { gtk_window_iconify(m_window); }
    void SetTitle(const std::string& title) { gtk_window_set_title(m_window, title.c_str()); }
    void SetShape(const std::optional<RoundRect>& shape);
    void Raise();
    void Invalidate(const Rect& area);
    void BeginMoveDrag(Point screen);
    void SetCursor(CursorShape shape);

private:
    static gboolean OnDraw(GtkWidget*, cairo_t* cr, gpointer self);
    static gboolean OnMotion(GtkWidget*, GdkEventMotion* event, gpointer self);
    static gboolean OnButton(GtkWidget*, GdkEventButton* event, gpointer self);
    static gboolean OnScroll(GtkWidget*, GdkEventScroll* event, gpointer self);
    static gboolean OnCrossing(GtkWidget*, GdkEventCrossing* event, gpointer self);
    static gboolean OnKey(GtkWidget*, GdkEventKey* event, gpointer self);
    static gboolean OnConfigure(GtkWidget*, GdkEventConfigure* event, gpointer self);
    static gboolean OnMap(GtkWidget*, GdkEvent* event, gpointer self);
    static gboolean OnWindowState(GtkWidget*, GdkEventWindowState* event, gpointer self);
    static gboolean OnDelete(GtkWidget*, GdkEvent* event, gpointer self);
    static void OnRealize(GtkWidget*, gpointer self);

    void ApplyShape();
    void ApplyCursor();
    void Leave();

    GtkHost& m_host;
    SurfaceClient* m_client;
    GtkWindow* m_window = nullptr;
    GtkLayout* m_layer = nullptr;
    GtkWidget* m_canvas = nullptr;
    Rect m_screen;
    std::optional<RoundRect> m_shape;
    CursorShape m_cursor = CursorShape::Arrow;
    bool m_pointerInside = false;
    bool m_showRequested = false;  // the next map comes from Show, not from the system
    bool m_iconified = false;
};

}  // namespace lumora
