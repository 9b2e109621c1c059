#include "platform/linux/GtkWebView.h"

#include <unistd.h>

#include <cstdlib>

namespace lumora {
namespace {

// The program's pages never show scroll bars; the page still scrolls with the wheel.
constexpr const char* kHideScrollBars =
    "::-webkit-scrollbar { display: none !important; width: 0 !important;"
    " height: 0 !important; }\n"
    "html { scrollbar-width: none !important; }\n";

// A script may only name a plain identifier: the name is put into script text.
bool IsIdentifier(const std::string& name) {
    if (name.empty()) return false;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const unsigned char c = name[i];
        const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c == '$';
        if (!letter && !(i > 0 && c >= '0' && c <= '9')) return false;
    }
    return true;
}

std::string Unescaped(const char* uri) {
    // A URL with an escaped NUL or invalid escapes stays as it came.
    gchar* decoded = g_uri_unescape_string(uri, nullptr);
    std::string result = decoded ? decoded : uri;
    g_free(decoded);
    return result;
}

// The web process runs inside a sandbox that cannot be set up for the root user (as in
// containers and CI); WebKit offers no other switch than this variable, read when the first
// view starts its web process.
void AllowRootWithoutSandbox() {
    if (geteuid() == 0) setenv("WEBKIT_DISABLE_SANDBOX_THIS_IS_DANGEROUS", "1", 0);
}

}  // namespace

GtkWebView::GtkWebView(GtkLayout* layer, const WebViewOptions& options)
    : m_options(options), m_layer(layer) {
    AllowRootWithoutSandbox();
    m_content = webkit_user_content_manager_new();
    m_view =
        GTK_WIDGET(g_object_new(WEBKIT_TYPE_WEB_VIEW, "user-content-manager", m_content, nullptr));
    g_object_ref_sink(m_view);

    g_signal_connect(m_view, "decide-policy", G_CALLBACK(OnDecidePolicy), this);
    g_signal_connect(m_view, "script-dialog", G_CALLBACK(OnScriptDialog), this);
    g_signal_connect(m_view, "load-failed", G_CALLBACK(OnLoadFailed), this);
    g_signal_connect(m_view, "load-changed", G_CALLBACK(OnLoadChanged), this);
    gtk_layout_put(m_layer, m_view, 0, 0);
    gtk_widget_show(m_view);
}

GtkWebView::~GtkWebView() {
    g_signal_handlers_disconnect_by_data(m_view, this);
    gtk_widget_destroy(m_view);
    g_object_unref(m_view);
    g_object_unref(m_content);
}

void GtkWebView::SetRect(const Rect& surfaceRect) {
    gtk_layout_move(m_layer, m_view, surfaceRect.left, surfaceRect.top);
    gtk_widget_set_size_request(m_view, std::max(1, surfaceRect.Width()),
                                std::max(1, surfaceRect.Height()));
}

void GtkWebView::SetVisible(bool visible) { gtk_widget_set_visible(m_view, visible); }

void GtkWebView::Navigate(const std::string& url) {
    webkit_web_view_load_uri(WEBKIT_WEB_VIEW(m_view), url.c_str());
}

void GtkWebView::CallFunction(const std::string& name) {
    if (!IsIdentifier(name)) return;
    // A page without the function, or without a document yet, is left alone; what the
    // function returns or throws is not looked at.
    const std::string script =
        "try { if (typeof " + name + " === 'function') " + name + "(); } catch (e) {}";
    webkit_web_view_evaluate_javascript(WEBKIT_WEB_VIEW(m_view), script.c_str(), -1, nullptr,
                                        nullptr, nullptr, nullptr, nullptr);
}

void GtkWebView::SetSilent(bool silent) { m_silent = silent; }

// A user style sheet applies to every page and frame from the next load on.
void GtkWebView::SetScrollBarsHidden(bool hidden) {
    webkit_user_content_manager_remove_all_style_sheets(m_content);
    if (!hidden) return;
    WebKitUserStyleSheet* sheet =
        webkit_user_style_sheet_new(kHideScrollBars, WEBKIT_USER_CONTENT_INJECT_ALL_FRAMES,
                                    WEBKIT_USER_STYLE_LEVEL_USER, nullptr, nullptr);
    webkit_user_content_manager_add_style_sheet(m_content, sheet);
    webkit_user_style_sheet_unref(sheet);
}

gboolean GtkWebView::OnDecidePolicy(WebKitWebView*, WebKitPolicyDecision* decision,
                                    WebKitPolicyDecisionType type, gpointer data) {
    auto* self = static_cast<GtkWebView*>(data);
    if (type != WEBKIT_POLICY_DECISION_TYPE_NAVIGATION_ACTION &&
        type != WEBKIT_POLICY_DECISION_TYPE_NEW_WINDOW_ACTION)
        return FALSE;
    if (!self->m_options.beforeNavigate) return FALSE;
    WebKitNavigationAction* action =
        webkit_navigation_policy_decision_get_navigation_action(WEBKIT_NAVIGATION_POLICY_DECISION(decision));
    WebKitURIRequest* request = webkit_navigation_action_get_request(action);
    const char* uri = webkit_uri_request_get_uri(request);
    if (!uri) return FALSE;
    if (!self->m_options.beforeNavigate(Unescaped(uri))) return FALSE;
    webkit_policy_decision_ignore(decision);
    return TRUE;
}

gboolean GtkWebView::OnScriptDialog(WebKitWebView*, WebKitScriptDialog*, gpointer data) {
    // Handled means nobody sees it: a confirm then answers false, a prompt null.
    return static_cast<GtkWebView*>(data)->m_silent ? TRUE : FALSE;
}

gboolean GtkWebView::OnLoadFailed(WebKitWebView*, WebKitLoadEvent, gchar*, GError* error,
                                  gpointer data) {
    auto* self = static_cast<GtkWebView*>(data);
    // A navigation the hook cancelled ends as a failed load; the page stays as it was.
    if (g_error_matches(error, WEBKIT_POLICY_ERROR,
                        WEBKIT_POLICY_ERROR_FRAME_LOAD_INTERRUPTED_BY_POLICY_CHANGE) ||
        g_error_matches(error, WEBKIT_NETWORK_ERROR, WEBKIT_NETWORK_ERROR_CANCELLED))
        return TRUE;
    return self->m_silent ? TRUE : FALSE;
}

void GtkWebView::OnLoadChanged(WebKitWebView* view, WebKitLoadEvent event, gpointer data) {
    auto* self = static_cast<GtkWebView*>(data);
    if (event != WEBKIT_LOAD_FINISHED || !self->m_options.loaded) return;
    const char* uri = webkit_web_view_get_uri(view);
    self->m_options.loaded(uri ? uri : "");
}

}  // namespace lumora
