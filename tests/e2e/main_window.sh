#!/usr/bin/env bash
# The main window of the real program under Xvfb with a notification area and the service on
# loopback: it appears at 900 x 667 with the skin; the start-up requests are getversion without
# and getad with the usage report; the hide button puts it into the tray and a click on the
# icon brings it back; the tray menu's exit sends exit and ends the program; a start from
# another directory stays hidden until the icon is clicked; a second start is refused.
source "$(dirname "$0")/lib/common.sh"

e2e_init
e2e_start_xvfb 1280x1024x24
e2e_start_dbus
unset NO_AT_BRIDGE
e2e_start_trayer
e2e_start_service
e2e_make_app_dir

# 1. Start from the program's own folder.
e2e_start_lumo
e2e_wait_until 30 e2e_main_window_shown || e2e_fail "the main window did not appear"
wid=$(e2e_main_window_id)
read -r x y w h <<<"$(e2e_window_geometry "$wid")"
e2e_expect_eq "${w}x$h" "900x667" "window size"
e2e_wait_until 10 e2e_log_has 'op=getad' || e2e_fail "no getad request"
sleep 1
e2e_screenshot "$E2E_TMP/main.png"
for point in "300 630" "450 20" "890 655"; do
    read -r px py <<<"$point"
    expected=$(e2e_pixel "$APP_DIR/styles/bg.png" "$px" "$py")
    e2e_expect_eq "$(e2e_pixel "$E2E_TMP/main.png" $((x + px)) $((y + py)))" "$expected" "background pixel at $px,$py"
done
first=$(head -n 1 "$SERVICE_LOG")
e2e_expect_eq "$first" "/kavri/lm/lm.php?op=getversion" "first request"
grep -E -q 'op=getad&uid=[^&]*&mac=[^&]*&stype=runstart&version=' "$SERVICE_LOG" ||
    e2e_fail "getad without the usage report: $(cat "$SERVICE_LOG")"

# 2. A second start tells and ends; the first one goes on.
"$APP_DIR/lumo" >>"$E2E_TMP/second.out" 2>&1 &
second=$!
e2e_track "$second"
refused_box_shown() { e2e_lumo_texts | grep -qxF 'label: Lumora已经运行！'; }
e2e_wait_until 20 refused_box_shown ||
    e2e_fail "the second start did not say so: $(e2e_lumo_texts)"
# The box is titled "Lumora" like the main window; it is the other one.
box=$(xdotool search --onlyvisible --name '^Lumora$' | grep -vx "$(e2e_main_window_id)" | head -n 1)
xdotool windowfocus --sync "$box" key Return
e2e_wait_exit "$second" || e2e_fail "the second instance did not end"
kill -0 "$LUMO_PID" || e2e_fail "the first instance ended with the second"

# 3. Hide into the tray and back.
e2e_click $((x + 853)) $((y + 14))
e2e_wait_until 10 e2e_main_window_gone ||
    e2e_fail "the hide button left the window on the screen"
e2e_wait_until 10 e2e_tray_icon_centre || e2e_fail "no icon in the notification area after hiding"
e2e_click_tray_icon
e2e_wait_until 10 e2e_main_window_shown || e2e_fail "a click on the icon did not bring the window back"

# 4. The tray menu's exit tells the service and ends the program.
e2e_tray_exit
e2e_expect_request 'op=exit&uid=' 10
e2e_wait_exit "$LUMO_PID" 10 || e2e_fail "the program did not end after exit"
e2e_wait_until 10 e2e_tray_icon_gone || e2e_fail "the icon stayed after exit"

# 5. Started from elsewhere (as at logon): hidden, in the tray, until the icon is clicked.
e2e_start_lumo "$E2E_TMP"
e2e_expect_request 'stype=autostart' 20
e2e_wait_until 10 e2e_tray_icon_centre || e2e_fail "no icon after a start from elsewhere"
sleep 1
e2e_main_window_shown && e2e_fail "a start from elsewhere showed the window"
e2e_click_tray_icon
e2e_wait_until 10 e2e_main_window_shown || e2e_fail "the icon did not bring the hidden window"
e2e_tray_exit
e2e_wait_exit "$LUMO_PID" 10 || e2e_fail "the program did not end after exit"
e2e_log "main window checks passed"
