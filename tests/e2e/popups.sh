#!/usr/bin/env bash
# The main window's pop-ups in the real program under Xvfb, installed in a folder whose name
# has a blank and Chinese letters: the interval picker opened with the mouse stores "每小时"
# and the interval button shows it; the menu panel's "官方网站" opens the home page; the
# settings dialog's check box and OK write a valid autostart entry; the panel's "退出" ends
# the program; the entry, launched as a session launches it from another directory, starts
# the program hidden with its icon in the notification area.
source "$(dirname "$0")/lib/common.sh"

e2e_init
e2e_start_xvfb 1280x1024x24
e2e_start_dbus
e2e_start_trayer
e2e_start_service
e2e_make_app_dir
mv "$APP_DIR" "$E2E_TMP/我的 壁纸程序"
APP_DIR="$E2E_TMP/我的 壁纸程序"
ENTRY=$XDG_CONFIG_HOME/autostart/lumo.desktop

# The interval button's pixels in a screenshot of the main window at X Y, as one checksum.
interval_button_sum() {
    convert "$1" -crop "126x29+$(($2 + 120))+$(($3 + 616))" +repage rgb:- | md5sum
}
pointer_away() { xdotool mousemove --sync 5 1000; }
conf_value() { grep -E "^$1=" "$APP_DIR/conf.ini" | tail -n 1 | cut -d= -f2-; }

e2e_start_lumo
e2e_wait_until 30 e2e_main_window_shown || e2e_fail "the main window did not appear"
read -r x y _ _ <<<"$(e2e_window_geometry "$(e2e_main_window_id)")"
e2e_wait_until 10 e2e_log_has 'op=getad' || e2e_fail "no getad request"
sleep 1
pointer_away
e2e_screenshot "$E2E_TMP/before-pick.png"
before=$(interval_button_sum "$E2E_TMP/before-pick.png" "$x" "$y")

# 1. The picker opens above the interval button; the pointer goes straight up into it.
e2e_click $((x + 180)) $((y + 630))
e2e_wait_until 10 e2e_lumo_window_of_size 125x180 || e2e_fail "the interval picker did not open"
xdotool mousemove --sync $((x + 181)) $((y + 600))
sleep 0.5
e2e_screenshot "$E2E_TMP/picker.png"
e2e_lumo_window_of_size 125x180 || e2e_fail "the picker closed when the pointer went up into it"
e2e_expect_eq "$(e2e_pixel "$E2E_TMP/picker.png" $((x + 121)) $((y + 437)))" "F0F0F0" "picker background"
e2e_click $((x + 181)) $((y + 436 + 140))
e2e_wait_until 10 sh -c "grep -qx 'AUTOTIME=5' '$APP_DIR/conf.ini'" ||
    e2e_fail "AUTOTIME is '$(conf_value AUTOTIME)' after picking 每小时"
e2e_lumo_window_of_size 125x180 && e2e_fail "the picker stayed open after the pick"
pointer_away
sleep 0.5
e2e_screenshot "$E2E_TMP/after-pick.png"
picked=$(interval_button_sum "$E2E_TMP/after-pick.png" "$x" "$y")
[ "$picked" != "$before" ] || e2e_fail "the interval button did not change after the pick"

# 2. The menu panel hangs from the cursor; its home page item opens HOMEURL.
menu_x=$((x + 815)) menu_y=$((y + 12))
e2e_click "$menu_x" "$menu_y"
e2e_wait_until 10 e2e_lumo_window_of_size 130x140 || e2e_fail "the menu panel did not open"
sleep 0.5
e2e_screenshot "$E2E_TMP/panel.png"
# Panel pixel, skin file, pixel of the file: the background, and the settings item at (2, 45).
for check in "5 132 xiala_bg.png 5 132" "100 25 xiala_bg.png 100 25" "112 65 setting.png 110 20"; do
    read -r px py file fx fy <<<"$check"
    e2e_expect_eq "$(e2e_pixel "$E2E_TMP/panel.png" $((menu_x - 130 + px)) $((menu_y + py)))" \
        "$(e2e_pixel "$APP_DIR/styles/$file" "$fx" "$fy")" "menu panel pixel at $px,$py"
done
e2e_click $((menu_x - 130 + 60)) $((menu_y + 72 + 13))
e2e_wait_until 10 grep -qxF "$SERVICE_URL/desk/" "$URL_LOG" ||
    e2e_fail "官方网站 did not open the home page: $(cat "$URL_LOG")"
e2e_lumo_window_of_size 130x140 && e2e_fail "the panel stayed open after 官方网站"

# 3. Settings from the panel: the check box and OK create the autostart entry.
e2e_click "$menu_x" "$menu_y"
e2e_wait_until 10 e2e_lumo_window_of_size 130x140 || e2e_fail "the menu panel did not open again"
e2e_click $((menu_x - 130 + 60)) $((menu_y + 45 + 13))
e2e_wait_until 10 e2e_lumo_window_of_size 407x389 || e2e_fail "the settings dialog did not open"
sx=$((x + 450 - 155)) sy=$((y + 333 - 180))
e2e_click $((sx + 43)) $((sy + 88))
pointer_away
sleep 0.5
e2e_screenshot "$E2E_TMP/settings.png"
e2e_expect_eq "$(e2e_pixel "$E2E_TMP/settings.png" $((sx + 390)) $((sy + 300)))" \
    "$(e2e_pixel "$APP_DIR/styles/setting_bg.png" 390 300)" "settings background"
e2e_expect_eq "$(e2e_pixel "$E2E_TMP/settings.png" $((sx + 182 + 10)) $((sy + 336 + 12)))" \
    "$(e2e_pixel "$APP_DIR/styles/queding.png" 10 12)" "OK button"
[ -e "$ENTRY" ] && e2e_fail "the entry was written before OK"
e2e_click $((sx + 182 + 30)) $((sy + 336 + 12))
e2e_wait_until 10 test -s "$ENTRY" || e2e_fail "OK did not write $ENTRY"
e2e_lumo_window_of_size 407x389 && e2e_fail "the settings dialog stayed open after OK"
desktop-file-validate "$ENTRY" || e2e_fail "the autostart entry is not valid: $(cat "$ENTRY")"
e2e_expect_eq "$(grep '^Exec=' "$ENTRY")" "Exec=\"$APP_DIR/lumo\"" "Exec of the entry"
grep -qx 'X-GNOME-Autostart-enabled=true' "$ENTRY" || e2e_fail "the entry is not enabled"
cp "$ENTRY" "$E2E_ARTIFACTS/"

# 4. The panel's exit ends the program.
e2e_click "$menu_x" "$menu_y"
e2e_wait_until 10 e2e_lumo_window_of_size 130x140 || e2e_fail "the menu panel did not open for exit"
e2e_click $((menu_x - 130 + 60)) $((menu_y + 99 + 13))
e2e_expect_request 'op=exit&uid=' 10
e2e_wait_exit "$LUMO_PID" 10 || e2e_fail "the program did not end after 退出"
e2e_wait_until 10 e2e_tray_icon_gone || e2e_fail "an icon stayed after exit"

# 5. A session start from the entry: another current directory, hidden in the tray.
mkdir -p "$E2E_TMP/elsewhere"
if command -v dex >/dev/null; then
    (cd "$E2E_TMP/elsewhere" && dex "$ENTRY") >>"$E2E_TMP/launch.out" 2>&1
else
    (cd "$E2E_TMP/elsewhere" && gio launch "$ENTRY") >>"$E2E_TMP/launch.out" 2>&1
fi
e2e_wait_until 20 pgrep -f -x "$APP_DIR/lumo" || e2e_fail "the entry did not start lumo: $(cat "$E2E_TMP/launch.out")"
LUMO_PID=$(pgrep -f -x "$APP_DIR/lumo" | head -n 1)
e2e_track "$LUMO_PID"
e2e_expect_eq "$(readlink "/proc/$LUMO_PID/cwd")" "$E2E_TMP/elsewhere" "current directory of the start"
e2e_expect_request 'stype=autostart' 20
e2e_wait_until 10 e2e_tray_icon_centre || e2e_fail "no icon after the start from the entry"
sleep 1
e2e_main_window_shown && e2e_fail "the start from the entry showed the window"
e2e_click_tray_icon
e2e_wait_until 10 e2e_main_window_shown || e2e_fail "the icon did not bring the window"
read -r x y _ _ <<<"$(e2e_window_geometry "$(e2e_main_window_id)")"
pointer_away
sleep 0.5
e2e_screenshot "$E2E_TMP/restarted.png"
e2e_expect_eq "$(interval_button_sum "$E2E_TMP/restarted.png" "$x" "$y")" "$picked" \
    "interval button after the pick against a start with 每小时 stored"
e2e_tray_exit
e2e_wait_exit "$LUMO_PID" 10 || e2e_fail "the program did not end after exit"
e2e_log "pop-up checks passed"
