#pragma once

#include <webkit2/webkit2.h>

#include "platform/Host.h"

namespace lumora {

// A WebKitGTK view over a window's rectangle. Every navigation, of the page and of its frames,
// passes the options' hook first; page functions are called only where the page defines them.
class GtkWebView final : public NativeWebView {
public:
    GtkWebView(GtkLayout* layer, const WebViewOptions& options);
    ~GtkWebView() override;
    GtkWebView(const GtkWebView&) = delete;
    GtkWebView& operator=(const GtkWebView&) = delete;

    void SetRect(const Rect& surfaceRect) override;
    void SetVisible(bool visible) override;
    void Navigate(const std::string& url) override;
    void CallFunction(const std::string& name) override;
    void SetSilent(bool silent) override;
    void SetScrollBarsHidden(bool hidden) override;
    void SetBusy(bool busy) override;

private:
    static gboolean OnDecidePolicy(WebKitWebView*, WebKitPolicyDecision* decision,
                                   WebKitPolicyDecisionType type, gpointer self);
    static gboolean OnScriptDialog(WebKitWebView*, WebKitScriptDialog*, gpointer self);
    static gboolean OnLoadFailed(WebKitWebView*, WebKitLoadEvent, gchar*, GError* error,
                                 gpointer self);
    static void OnLoadChanged(WebKitWebView* view, WebKitLoadEvent event, gpointer self);
    static GtkWidget* OnCreate(WebKitWebView*, WebKitNavigationAction* action, gpointer self);
    // The hook, then the new-window handler, for a page's request of a new window.
    void NewWindowRequested(const char* uri);
    static gboolean OnPrint(WebKitWebView*, WebKitPrintOperation*, gpointer self);
    static gboolean OnAuthenticate(WebKitWebView*, WebKitAuthenticationRequest* request,
                                   gpointer self);
    // Puts the sheet in place of `*slot` (either may be null).
    void ReplaceStyleSheet(WebKitUserStyleSheet** slot, const char* css);

    WebViewOptions m_options;
    GtkLayout* m_layer;
    GtkWidget* m_view = nullptr;
    WebKitUserContentManager* m_content = nullptr;
    WebKitUserStyleSheet* m_scrollBarSheet = nullptr;
    WebKitUserStyleSheet* m_busySheet = nullptr;
    bool m_silent = false;
};

}  // namespace lumora
