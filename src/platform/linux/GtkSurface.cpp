#include "platform/linux/GtkSurface.h"

#include "platform/linux/GtkHost.h"
#include "platform/linux/GtkKeys.h"
#include "platform/linux/GtkShapeRegion.h"
#include "platform/linux/GtkX11.h"

namespace lumora {
namespace {

constexpr int kWheelDelta = 120;

const char* CursorName(CursorShape shape) {
    switch (shape) {
        case CursorShape::Hand:
            return "pointer";
        case CursorShape::IBeam:
            return "text";
        case CursorShape::Wait:
            return "wait";
        case CursorShape::Arrow:
            break;
    }
    return "default";
}

MouseButton ButtonOf(guint button) {
    switch (button) {
        case 2:
            return MouseButton::Middle;
        case 3:
            return MouseButton::Right;
        default:
            return MouseButton::Left;
    }
}

Point ClientPoint(double x, double y) { return {static_cast<int>(x), static_cast<int>(y)}; }

}  // namespace

GtkSurface::GtkSurface(GtkHost& host, const SurfaceOptions& options, GtkWindow* owner)
    : m_host(host), m_client(options.client), m_screen(options.screen) {
    m_window = GTK_WINDOW(gtk_window_new(GTK_WINDOW_TOPLEVEL));
    g_object_ref_sink(m_window);
    gtk_window_set_decorated(m_window, FALSE);
    gtk_widget_set_app_paintable(GTK_WIDGET(m_window), TRUE);
    gtk_window_set_resizable(m_window, FALSE);
    gtk_window_set_title(m_window, options.title.c_str());
    if (owner) {
        // An owned pop-up stays above its owner and has no task-bar entry of its own.
        gtk_window_set_transient_for(m_window, owner);
        gtk_window_set_skip_taskbar_hint(m_window, TRUE);
        gtk_window_set_skip_pager_hint(m_window, TRUE);
    }
    SetToolWindow(options.toolWindow || owner != nullptr);

    m_layer = GTK_LAYOUT(gtk_layout_new(nullptr, nullptr));
    gtk_container_add(GTK_CONTAINER(m_window), GTK_WIDGET(m_layer));

    m_canvas = gtk_drawing_area_new();
    gtk_widget_set_can_focus(m_canvas, TRUE);
    gtk_widget_add_events(m_canvas, GDK_POINTER_MOTION_MASK | GDK_BUTTON_PRESS_MASK |
                                        GDK_BUTTON_RELEASE_MASK | GDK_SCROLL_MASK |
                                        GDK_ENTER_NOTIFY_MASK | GDK_LEAVE_NOTIFY_MASK |
                                        GDK_KEY_PRESS_MASK | GDK_KEY_RELEASE_MASK);
    gtk_layout_put(m_layer, m_canvas, 0, 0);

    g_signal_connect(m_canvas, "draw", G_CALLBACK(OnDraw), this);
    g_signal_connect(m_canvas, "motion-notify-event", G_CALLBACK(OnMotion), this);
    g_signal_connect(m_canvas, "button-press-event", G_CALLBACK(OnButton), this);
    g_signal_connect(m_canvas, "button-release-event", G_CALLBACK(OnButton), this);
    g_signal_connect(m_canvas, "scroll-event", G_CALLBACK(OnScroll), this);
    g_signal_connect(m_canvas, "enter-notify-event", G_CALLBACK(OnCrossing), this);
    g_signal_connect(m_canvas, "leave-notify-event", G_CALLBACK(OnCrossing), this);
    g_signal_connect(m_canvas, "realize", G_CALLBACK(OnRealize), this);
    // Keys arrive at the window first: a native edit with the focus gets them through the
    // window's default handling, everything else goes to the framework.
    g_signal_connect(m_window, "key-press-event", G_CALLBACK(OnKey), this);
    g_signal_connect(m_window, "key-release-event", G_CALLBACK(OnKey), this);
    g_signal_connect(m_window, "configure-event", G_CALLBACK(OnConfigure), this);
    g_signal_connect(m_window, "map-event", G_CALLBACK(OnMap), this);
    g_signal_connect(m_window, "window-state-event", G_CALLBACK(OnWindowState), this);
    g_signal_connect(m_window, "delete-event", G_CALLBACK(OnDelete), this);

    gtk_widget_show_all(GTK_WIDGET(m_layer));
    Move(m_screen);
}

GtkSurface::~GtkSurface() {
    g_signal_handlers_disconnect_by_data(m_window, this);
    g_signal_handlers_disconnect_by_data(m_canvas, this);
    gtk_widget_destroy(GTK_WIDGET(m_window));
    g_object_unref(m_window);
}

void GtkSurface::Show(bool visible) {
    if (visible == gtk_widget_get_visible(GTK_WIDGET(m_window))) return;
    if (visible) {
        m_showRequested = true;
        // Placing the window before it maps keeps the window manager from choosing a place.
        gtk_window_move(m_window, m_screen.left, m_screen.top);
        gtk_widget_show(GTK_WIDGET(m_window));
        if (!gtk_window_get_focus(m_window)) gtk_widget_grab_focus(m_canvas);
    } else {
        gtk_widget_hide(GTK_WIDGET(m_window));
        // X sends no leave for a window that is unmapped under the pointer.
        if (m_pointerInside) Leave();
        // Without a compositor the owner's native children (the web view) do not repaint
        // the part that the pop-up uncovers on their own.
        if (GtkWindow* owner = gtk_window_get_transient_for(m_window))
            gtk_widget_queue_draw(GTK_WIDGET(owner));
    }
}

void GtkSurface::Move(const Rect& screen) {
    m_screen = screen;
    const int width = std::max(1, screen.Width());
    const int height = std::max(1, screen.Height());
    gtk_widget_set_size_request(m_canvas, width, height);
    // A layout does not ask for its children's size; without its own request a small window
    // maps at GTK's default size and covers what lies below its real rectangle.
    gtk_widget_set_size_request(GTK_WIDGET(m_layer), width, height);
    gtk_layout_set_size(m_layer, width, height);
    gtk_window_set_default_size(m_window, width, height);
    gtk_window_resize(m_window, width, height);
    gtk_window_move(m_window, screen.left, screen.top);
}

void GtkSurface::SetToolWindow(bool toolWindow) {
    gtk_window_set_skip_taskbar_hint(m_window, toolWindow);
    gtk_window_set_skip_pager_hint(m_window, toolWindow);
}

void GtkSurface::SetShape(const std::optional<RoundRect>& shape) {
    m_shape = shape;
    ApplyShape();
}

void GtkSurface::ApplyShape() {
    cairo_region_t* region = m_shape ? RegionFromRoundRect(*m_shape) : nullptr;
    // Both the visible outline and the area that takes the pointer follow the shape, as a
    // window region does.
    gtk_widget_shape_combine_region(GTK_WIDGET(m_window), region);
    gtk_widget_input_shape_combine_region(GTK_WIDGET(m_window), region);
    if (region) cairo_region_destroy(region);
}

void GtkSurface::Raise() {
    GdkWindow* window = gtk_widget_get_window(GTK_WIDGET(m_window));
    // A fresh server time lets the window manager's focus-stealing prevention accept the
    // request also when it comes from a posted message rather than from an input event.
    gtk_window_present_with_time(m_window, X11ServerTime(window));
}

void GtkSurface::Invalidate(const Rect& area) {
    if (area.IsEmpty()) return;
    gtk_widget_queue_draw_area(m_canvas, area.left, area.top, area.Width(), area.Height());
}

void GtkSurface::BeginMoveDrag(Point screen) {
    guint32 time = gtk_get_current_event_time();
    gtk_window_begin_move_drag(m_window, 1, screen.x, screen.y, time);
}

void GtkSurface::SetCursor(CursorShape shape) {
    if (shape == m_cursor) return;
    m_cursor = shape;
    ApplyCursor();
}

void GtkSurface::ApplyCursor() {
    GdkWindow* window = gtk_widget_get_window(m_canvas);
    if (!window) return;  // applied at realize
    GdkCursor* cursor =
        gdk_cursor_new_from_name(gdk_window_get_display(window), CursorName(m_cursor));
    gdk_window_set_cursor(window, cursor);
    if (cursor) g_object_unref(cursor);
}

void GtkSurface::Leave() {
    m_pointerInside = false;
    MouseInput input;
    input.kind = MouseInput::Leave;
    m_host.Deliver([client = m_client, input] { client->Mouse(input); });
}

void GtkSurface::OnRealize(GtkWidget*, gpointer self) {
    static_cast<GtkSurface*>(self)->ApplyCursor();
}

gboolean GtkSurface::OnDraw(GtkWidget*, cairo_t* cr, gpointer data) {
    auto* self = static_cast<GtkSurface*>(data);
    GdkRectangle clip;
    if (!gdk_cairo_get_clip_rectangle(cr, &clip)) return TRUE;
    self->m_client->Paint(cr, Rect::FromXywh(clip.x, clip.y, clip.width, clip.height));
    return TRUE;
}

gboolean GtkSurface::OnMotion(GtkWidget*, GdkEventMotion* event, gpointer data) {
    auto* self = static_cast<GtkSurface*>(data);
    self->m_pointerInside = true;
    MouseInput input;
    input.kind = MouseInput::Move;
    input.client = ClientPoint(event->x, event->y);
    input.keyState = KeyStateFromModifiers(event->state);
    self->m_host.Deliver([client = self->m_client, input] { client->Mouse(input); });
    return TRUE;
}

gboolean GtkSurface::OnButton(GtkWidget*, GdkEventButton* event, gpointer data) {
    auto* self = static_cast<GtkSurface*>(data);
    // GTK adds double- and triple-press events after the plain ones; the framework counts
    // clicks from the plain presses only.
    if (event->type != GDK_BUTTON_PRESS && event->type != GDK_BUTTON_RELEASE) return TRUE;
    if (event->button > 3) return FALSE;
    MouseInput input;
    input.kind = event->type == GDK_BUTTON_PRESS ? MouseInput::Down : MouseInput::Up;
    input.button = ButtonOf(event->button);
    input.client = ClientPoint(event->x, event->y);
    input.keyState = KeyStateFromModifiers(event->state);
    // A click on the framework's part of the window takes the keyboard from a native edit.
    if (input.kind == MouseInput::Down) gtk_widget_grab_focus(self->m_canvas);
    self->m_host.Deliver([client = self->m_client, input] { client->Mouse(input); });
    return TRUE;
}

gboolean GtkSurface::OnScroll(GtkWidget*, GdkEventScroll* event, gpointer data) {
    auto* self = static_cast<GtkSurface*>(data);
    int delta = 0;
    if (event->direction == GDK_SCROLL_UP)
        delta = kWheelDelta;
    else if (event->direction == GDK_SCROLL_DOWN)
        delta = -kWheelDelta;
    else
        return FALSE;
    MouseInput input;
    input.kind = MouseInput::Wheel;
    input.client = ClientPoint(event->x, event->y);
    input.wheelDelta = delta;
    input.keyState = KeyStateFromModifiers(event->state);
    self->m_host.Deliver([client = self->m_client, input] { client->Mouse(input); });
    return TRUE;
}

gboolean GtkSurface::OnCrossing(GtkWidget*, GdkEventCrossing* event, gpointer data) {
    auto* self = static_cast<GtkSurface*>(data);
    if (event->type == GDK_ENTER_NOTIFY) {
        self->m_pointerInside = true;
        return FALSE;
    }
    // While a button is held the pointer is grabbed and no real leave happens; the leave that
    // GTK reports when the grab ends outside the window is real, though.
    if (event->mode == GDK_CROSSING_GRAB || event->detail == GDK_NOTIFY_INFERIOR) return FALSE;
    if (self->m_pointerInside) self->Leave();
    return FALSE;
}

gboolean GtkSurface::OnKey(GtkWidget*, GdkEventKey* event, gpointer data) {
    auto* self = static_cast<GtkSurface*>(data);
    GtkWidget* focus = gtk_window_get_focus(self->m_window);
    if (focus && focus != self->m_canvas) return FALSE;  // a native child handles it
    const KeyInput input = KeyInputFromEvent(*event);
    self->m_host.Deliver([client = self->m_client, input] { client->Key(input); });
    return TRUE;
}

gboolean GtkSurface::OnConfigure(GtkWidget*, GdkEventConfigure*, gpointer data) {
    auto* self = static_cast<GtkSurface*>(data);
    GdkWindow* window = gtk_widget_get_window(GTK_WIDGET(self->m_window));
    int x = 0;
    int y = 0;
    gdk_window_get_origin(window, &x, &y);
    if (x == self->m_screen.left && y == self->m_screen.top) return FALSE;
    // Only the window manager moves the window on its own (a move-drag); the size stays ours.
    self->m_screen = self->m_screen.Offset(x - self->m_screen.left, y - self->m_screen.top);
    self->m_host.Deliver([client = self->m_client, r = self->m_screen] { client->Moved(r); });
    return FALSE;
}

gboolean GtkSurface::OnMap(GtkWidget*, GdkEvent*, gpointer data) {
    auto* self = static_cast<GtkSurface*>(data);
    if (self->m_showRequested) {
        self->m_showRequested = false;
        return FALSE;
    }
    self->m_host.Deliver([client = self->m_client] { client->Exposed(); });
    return FALSE;
}

gboolean GtkSurface::OnWindowState(GtkWidget*, GdkEventWindowState* event, gpointer data) {
    auto* self = static_cast<GtkSurface*>(data);
    const bool iconified = event->new_window_state & GDK_WINDOW_STATE_ICONIFIED;
    if (self->m_iconified && !iconified)
        self->m_host.Deliver([client = self->m_client] { client->Exposed(); });
    self->m_iconified = iconified;
    return FALSE;
}

gboolean GtkSurface::OnDelete(GtkWidget*, GdkEvent*, gpointer data) {
    auto* self = static_cast<GtkSurface*>(data);
    self->m_host.Deliver([client = self->m_client] { client->CloseRequested(); });
    return TRUE;  // the framework decides; the window stays
}

}  // namespace lumora
