#!/usr/bin/env bash
# The real program keeps the rhythm of its daily change across a restart: ended three days
# ago, it changes the wallpaper (here the X root window) at start, on a worker thread, and puts
# the time of the change on record in conf.ini.
source "$(dirname "$0")/lib/common.sh"
source "$(dirname "$0")/lib/wallpaper.sh"
e2e_init
e2e_start_xvfb 1280x800x24
e2e_start_dbus
e2e_start_service
wallpaper_init
long_ago=$(($(date +%s) - 3 * 86400))
e2e_make_app_dir "SCML=$COLLECTION" AUTO=1 AUTOTIME=6 "LASTCHANGE=$long_ago"
cp "$QUADS" "$COLLECTION/imgs/quads.png"
shot=$E2E_TMP/screen.png

started=$(date +%s)
e2e_start_lumo
e2e_wait_until 30 e2e_main_window_shown || e2e_fail "the main window did not appear"
# The main window covers the middle of the screen; the corners show the background.
wait_for_colour 20 "$shot" 1276 796 FFFF00 e2e_screenshot || e2e_fail "no change at start"
expect_colour "$shot" 3 3 FF0000 1276 3 00FF00 3 796 0000FF
recorded=$(sed -n 's/^LASTCHANGE=//p' "$APP_DIR/conf.ini" | tr -d '\r')
[ "$recorded" -ge "$started" ] || e2e_fail "the change was not put on record: LASTCHANGE=$recorded"
e2e_log "the overdue daily change came at start and is on record"
