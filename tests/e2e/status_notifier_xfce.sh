#!/usr/bin/env bash
# The notification icon in a real desktop panel that shows StatusNotifierItems: XFCE's panel
# with its status tray, under Xvfb on a session bus. After the hide button the program's icon is
# in the panel; a left click on it brings the window back; a right click opens the panel's own
# rendering of the program's exported menu, whose "退出" sends exit and ends the program; the
# icon then leaves the panel.
source "$(dirname "$0")/lib/common.sh"

command -v xfce4-panel >/dev/null || e2e_skip "xfce4-panel is not installed"
e2e_init
e2e_start_xvfb 1280x1024x24
e2e_require_dbus
unset NO_AT_BRIDGE
e2e_start_service
e2e_make_app_dir

channel=$XDG_CONFIG_HOME/xfce4/xfconf/xfce-perchannel-xml
mkdir -p "$channel"
cp "$LUMO_SOURCE_DIR/tests/e2e/fixtures/xfce4-panel.xml" "$channel/"
xfce4-panel --disable-wm-check >"$E2E_TMP/xfce4-panel.log" 2>&1 &
e2e_track $!
host_ready() {
    gdbus call --session --dest org.kde.StatusNotifierWatcher --object-path /StatusNotifierWatcher \
        --method org.freedesktop.DBus.Properties.Get org.kde.StatusNotifierWatcher \
        IsStatusNotifierHostRegistered 2>/dev/null | grep -q true
}
e2e_wait_until 30 host_ready || e2e_fail "the panel's status tray did not start"
sleep 1

# The panel is along the top; its status tray, the only plugin, shows items from the left.
icon_x=12
icon_y=15
panel_strip() {
    import -window root -crop 48x30+0+0 "$1"
}
panel_strip "$E2E_TMP/empty.png"
strip_differs() {
    panel_strip "$E2E_TMP/strip.png"
    [ "$(compare -metric AE "$E2E_TMP/empty.png" "$E2E_TMP/strip.png" null: 2>&1 || true)" != 0 ]
}
icon_shown() { strip_differs; }
icon_gone() { ! strip_differs; }

e2e_start_lumo
e2e_wait_until 30 e2e_main_window_shown || e2e_fail "the main window did not appear"
icon_gone || e2e_fail "the panel changed before the window was hidden"
e2e_hide_main_window
e2e_wait_until 10 icon_shown || e2e_fail "no icon in the panel after hiding"
e2e_screenshot "$E2E_TMP/icon.png"

e2e_click "$icon_x" "$icon_y" 1
e2e_wait_until 10 e2e_main_window_shown || e2e_fail "a click on the icon did not bring the window back"

e2e_hide_main_window
# The panel draws the menu below the icon.
below_icon() { import -window root -crop 120x80+0+31 "$1"; }
below_icon "$E2E_TMP/below.png"
e2e_click "$icon_x" "$icon_y" 3
panel_menu_shown() {
    below_icon "$E2E_TMP/menu-area.png"
    [ "$(compare -metric AE "$E2E_TMP/below.png" "$E2E_TMP/menu-area.png" null: 2>&1 || true)" != 0 ]
}
e2e_wait_until 10 panel_menu_shown || e2e_fail "a right click on the icon opened no menu"
sleep 0.5
e2e_screenshot "$E2E_TMP/menu.png"
xdotool key Up Return
e2e_expect_request 'op=exit&uid=' 10
e2e_wait_exit "$LUMO_PID" 10 || e2e_fail "the program did not end after 退出"
e2e_wait_until 10 icon_gone || e2e_fail "the icon stayed in the panel after exit"
e2e_log "panel checks passed"
