#!/usr/bin/env bash
# The notification icon where a panel shows StatusNotifierItems, under Xvfb with a session bus
# and a small watcher and host (sni_panel.py): the hide button registers the item with its
# properties and menu; Activate brings the window back; hiding again keeps one item; a watcher
# that comes back registers the item again; ContextMenu opens the menu at the given point; the
# menu's "退出" sends exit, ends the program and takes the item off; a start from another folder
# registers the item and stays hidden until Activate. Without a host on the watcher the XEmbed
# tray is used, and with neither the window iconifies. Where both exist the item wins.
source "$(dirname "$0")/lib/common.sh"

e2e_init
e2e_start_xvfb 1280x1024x24
e2e_require_dbus
unset NO_AT_BRIDGE
e2e_start_service
e2e_make_app_dir

PANEL_LOG=$E2E_TMP/panel.log
: >"$PANEL_LOG"
PANEL=$LUMO_SOURCE_DIR/tests/e2e/sni_panel.py
panel() { /usr/bin/python3 "$PANEL" "$@"; }
# Starts the watcher (extra arguments go to it) and waits until it owns its name.
start_panel() {
    local before
    before=$(grep -c '^watcher up' "$PANEL_LOG" || true)
    /usr/bin/python3 "$PANEL" watcher "$PANEL_LOG" "$@" &
    PANEL_PID=$!
    e2e_track "$PANEL_PID"
    e2e_wait_until 20 sh -c "[ \$(grep -c '^watcher up' '$PANEL_LOG') -gt $before ]" ||
        e2e_fail "the watcher did not start"
}
stop_panel() {
    kill "$PANEL_PID"
    e2e_wait_exit "$PANEL_PID" 10 || e2e_fail "the watcher did not end"
}
item_count() { panel items | wc -l; }
one_item() { [ "$(item_count)" -eq 1 ]; }
no_item() { [ "$(item_count)" -eq 0 ]; }
registrations() { grep -c '^registered ' "$PANEL_LOG" || true; }
expect_property() {
    e2e_expect_eq "$(panel get "$1")" "$2" "item property $1"
}

# 1. A watcher without a host shows nothing, and without a tray either the window iconifies (it
# asks the window manager, seen here as the request on the root window).
start_panel --no-host
xev -root -event substructure >"$E2E_TMP/root-events.out" 2>&1 &
e2e_track $!
e2e_start_lumo
e2e_wait_until 30 e2e_main_window_shown || e2e_fail "the main window did not appear"
read -r x y _ _ <<<"$(e2e_window_geometry "$(e2e_main_window_id)")"
e2e_click $((x + 853)) $((y + 14))
e2e_wait_until 10 grep -q 'WM_CHANGE_STATE' "$E2E_TMP/root-events.out" ||
    e2e_fail "without a notification area the window was not iconified"
no_item || e2e_fail "an item registered with a watcher that has no host"
kill "$LUMO_PID"
e2e_wait_exit "$LUMO_PID" 10 || e2e_fail "the program did not end"
stop_panel

# From here on an XEmbed tray is there too; the item is preferred to it.
e2e_start_trayer

# 2. The hide button registers the item, with its properties and its menu.
start_panel
e2e_start_lumo
e2e_wait_until 30 e2e_main_window_shown || e2e_fail "the main window did not appear"
no_item || e2e_fail "an item before the window was hidden"
e2e_hide_main_window
e2e_wait_until 10 one_item || e2e_fail "no item registered after hiding: $(cat "$PANEL_LOG")"
expect_property Id lumo
expect_property Title Lumora
expect_property ToolTip Lumora
expect_property Status Active
expect_property Category ApplicationStatus
expect_property ItemIsMenu False
expect_property IconPixmap "32x32:4096"
expect_property IconName ""  # not installed: the pixels only
e2e_expect_eq "$(panel menu | paste -sd '|')" "更多桌面壁纸|检查更新|退出" "menu labels"
e2e_tray_icon_centre >/dev/null && e2e_fail "an XEmbed icon besides the item"

# 3. Activate (a left click) brings the window back; hiding again keeps the one item.
panel activate
e2e_wait_until 10 e2e_main_window_shown || e2e_fail "Activate did not bring the window back"
one_item || e2e_fail "restoring the window removed the item"
e2e_hide_main_window
sleep 0.5
one_item || e2e_fail "a second hide changed the items: $(panel items)"
e2e_expect_eq "$(registrations)" 1 "registrations after hide, restore, hide"

# 4. The panel restarts: the item registers with the new watcher.
stop_panel
start_panel
e2e_wait_until 10 one_item || e2e_fail "the item did not register with the new watcher"
e2e_expect_eq "$(registrations)" 2 "registrations after the watcher came back"

# 5. ContextMenu opens the program's menu at the point the panel gives.
menu_window() {
    local w
    for w in $(xdotool search --onlyvisible --class lumo 2>/dev/null); do
        [ "$w" = "$(e2e_main_window_id || true)" ] && continue
        echo "$w"
        return 0
    done
    return 1
}
panel context-menu 300 200
e2e_wait_until 10 menu_window || e2e_fail "ContextMenu opened no menu"
read -r mx my _ _ <<<"$(e2e_window_geometry "$(menu_window)")"
[ "$mx" -ge 290 ] && [ "$mx" -le 310 ] && [ "$my" -ge 190 ] && [ "$my" -le 210 ] ||
    e2e_fail "the menu opened at $mx,$my, not at 300,200"
xdotool key Escape
e2e_wait_until 10 sh -c '! xdotool search --onlyvisible --class lumo | grep -q .' ||
    e2e_fail "Escape left the menu open"

# 6. "退出" in the exported menu: exit request, the program ends, the item goes.
panel click 退出
e2e_expect_request 'op=exit&uid=' 10
e2e_wait_exit "$LUMO_PID" 10 || e2e_fail "the program did not end after 退出"
e2e_wait_until 10 grep -q '^unregistered ' "$PANEL_LOG" || e2e_fail "the item stayed after exit"
no_item || e2e_fail "the watcher still lists the item: $(panel items)"

# 7. Started from elsewhere (as at logon): the item is there and the window stays away until
# Activate. The program's icon is installed in the icon theme now, and the item names it.
icons=$XDG_DATA_HOME/icons/hicolor/32x32/apps
mkdir -p "$icons"
cp "$APP_DIR/styles/lumo_32.png" "$icons/lumo.png"
e2e_start_lumo "$E2E_TMP"
e2e_expect_request 'stype=autostart' 20
e2e_wait_until 10 one_item || e2e_fail "no item after a start from elsewhere"
sleep 1
e2e_main_window_shown && e2e_fail "a start from elsewhere showed the window"
expect_property IconName lumo
panel activate
e2e_wait_until 10 e2e_main_window_shown || e2e_fail "Activate did not bring the hidden window"
panel click 退出
e2e_wait_exit "$LUMO_PID" 10 || e2e_fail "the program did not end after 退出"

# 8. With a watcher that has no host, the icon goes to the XEmbed tray.
stop_panel
start_panel --no-host
e2e_start_lumo
e2e_wait_until 30 e2e_main_window_shown || e2e_fail "the main window did not appear"
e2e_hide_main_window
e2e_wait_until 10 e2e_tray_icon_centre || e2e_fail "no XEmbed icon where the watcher has no host"
no_item || e2e_fail "an item registered with a watcher that has no host"
e2e_log "status notifier checks passed"
