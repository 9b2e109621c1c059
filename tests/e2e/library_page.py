#!/usr/bin/python3
"""Drives the online library page in WebKitGTK as the program's view does: "app:" and "sclm:"
navigations are cancelled and printed, the page's functions are called by name without
arguments. Then the page is used as a person would: its search box and a category.
Prints one line per finding; sys.argv[1] is the library page's URL."""
import sys
import urllib.parse

import gi

gi.require_version("Gtk", "3.0")
gi.require_version("WebKit2", "4.1")
from gi.repository import GLib, Gtk, WebKit2  # noqa: E402

view = WebKit2.WebView()
window = Gtk.Window()
window.set_default_size(898, 524)
window.add(view)
window.show_all()
steps = []


def next_step(*_):
    if steps:
        steps.pop(0)()
    else:
        Gtk.main_quit()
    return False


def script(code, then=None):
    def done(webview, result, *_):
        value = webview.run_javascript_finish(result).get_js_value()
        if then:
            then(value.to_string())
        GLib.timeout_add(100, next_step)

    view.run_javascript(code, None, done, None)


def navigate(code):
    """Runs code that loads another page; the next step comes when it has loaded."""
    view.run_javascript(code, None, None, None)


def on_policy(_view, decision, kind):
    if kind != WebKit2.PolicyDecisionType.NAVIGATION_ACTION:
        return False
    uri = decision.get_navigation_action().get_request().get_uri()
    if uri.startswith("app:") or uri.startswith("sclm:"):
        print("link:", urllib.parse.unquote(uri), flush=True)
        decision.ignore()
        return True
    return False


def on_load(_view, event):
    if event == WebKit2.LoadEvent.FINISHED:
        GLib.timeout_add(200, next_step)


def show(label):
    return lambda text: print(f"{label}: {text}", flush=True)


def cards():
    script("document.querySelectorAll('.card').length + ' ' + location.search", show("cards"))


steps += [
    lambda: script("document.querySelectorAll('.card .btn.set')[1].click()"),
    lambda: script("document.querySelectorAll('.card .btn.keep')[2].click()"),
    lambda: script("TestFunc()"),
    lambda: script("document.getElementById('toast').textContent", show("toast")),
    lambda: script("SCCG()"),
    lambda: script("document.getElementById('toast').textContent", show("toast")),
    lambda: script("document.querySelector('.card.applied').dataset.name", show("applied")),
    lambda: script("document.querySelector('.card.kept').dataset.name", show("kept")),
    # The search box, typed into and sent as a person would.
    lambda: navigate("document.querySelector('input[name=q]').value = '星';"
                     "document.querySelector('header button').click()"),
    cards,
    lambda: navigate("document.querySelectorAll('nav a')[2].click()"),
    cards,
]
view.connect("decide-policy", on_policy)
view.connect("load-changed", on_load)
view.load_uri(sys.argv[1])
GLib.timeout_add_seconds(30, Gtk.main_quit)
Gtk.main()
