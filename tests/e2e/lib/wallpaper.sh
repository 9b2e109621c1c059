# Helpers for the desktop wallpaper scenarios. Source after common.sh.
#
#   wallpaper_init               # COLLECTION, the pictures QUADS (four colours) and WHITE
#   wallpaper_apply PICTURE      # applies it as the program does; prints the status
#   expect_quadrants WIDTH HEIGHT SHOT   # the four colours fill their quarters of the shot
#   expect_colour SHOT X Y RRGGBB ...

APPLY=$LUMO_BINARY_DIR/tests/wallpaper_apply

wallpaper_init() {
    [ -x "$APPLY" ] || e2e_skip "wallpaper_apply is not built"
    COLLECTION=$E2E_TMP/collection
    mkdir -p "$COLLECTION/imgs"
    # 80 x 30 pixels in four quadrants; stretched to the screen each quadrant fills a quarter
    # of it, corners included (a fitted or centred picture would leave bars).
    QUADS=$E2E_TMP/quads.png
    WHITE=$E2E_TMP/white.jpg
    convert \( -size 40x15 xc:'#FF0000' xc:'#00FF00' +append \) \
            \( -size 40x15 xc:'#0000FF' xc:'#FFFF00' +append \) -append "$QUADS"
    convert -size 80x30 xc:'#FFFFFF' "$WHITE"
    export COLLECTION QUADS WHITE
}

# Runs wallpaper_apply (through "$@" before it, e.g. a user switch); its status on stdout, its
# exit code as its own.
wallpaper_apply_as() {
    local picture=$1
    shift
    "$@" "$APPLY" "$COLLECTION" "$picture"
}
wallpaper_apply() { wallpaper_apply_as "$1"; }

expect_colour() {  # SHOT X Y RRGGBB ...
    local shot=$1
    shift
    while [ $# -gt 0 ]; do
        local got
        got=$(e2e_pixel "$shot" "$1" "$2")
        [ "$got" = "$3" ] || e2e_fail "pixel $1,$2 of $(basename "$shot") is $got, expected $3"
        shift 3
    done
}

# Corners (INSET pixels in, default 2) and the middle of each quarter of a WIDTH x HEIGHT shot.
expect_quadrants() {
    local w=$1 h=$2 shot=$3 i=${4:-2}
    expect_colour "$shot" $i $i FF0000 $((w - 1 - i)) $i 00FF00 $i $((h - 1 - i)) 0000FF \
        $((w - 1 - i)) $((h - 1 - i)) FFFF00 \
        $((w / 4)) $((h / 4)) FF0000 $((3 * w / 4)) $((h / 4)) 00FF00 \
        $((w / 4)) $((3 * h / 4)) 0000FF $((3 * w / 4)) $((3 * h / 4)) FFFF00
}

# Waits until the screenshot command writes a shot whose pixel X Y is RRGGBB; the desktop draws
# a moment after it took the setting. False after `timeout` seconds. The last shot stays in the
# artifacts either way.
wait_for_colour() {  # TIMEOUT SHOT X Y RRGGBB SHOOT-COMMAND...
    local timeout=$1 shot=$2 status=0
    shift
    e2e_wait_until "$timeout" shot_has_colour "$@" || status=1
    cp "$shot" "$E2E_ARTIFACTS/" 2>/dev/null || true
    return $status
}
shot_has_colour() {  # SHOT X Y RRGGBB SHOOT-COMMAND...
    "${@:5}" "$1" && [ "$(e2e_pixel "$1" "$2" "$3")" = "$4" ]
}

# The number of an errno name (EACCES → 13), as wallpaper_apply prints statuses.
errno_value() { python3 -c "import errno; print(errno.$1)"; }

# The scenario of a desktop drawn by a file manager (pcmanfm-qt for LXQt, pcmanfm for LXDE):
# Apply picture asks the running one to show the picture stretched, a second picture through
# the same temp.bmp replaces it, and with no desktop to take it Apply picture fails.
file_manager_desktop_scenario() {  # PROGRAM ARGUMENTS-FOR-THE-DESKTOP...
    local program=$1
    shift
    command -v "$program" >/dev/null || e2e_skip "$program is not installed"
    e2e_start_xvfb 320x240x24
    e2e_start_dbus
    wallpaper_init
    local shot=$E2E_TMP/screen.png
    "$program" "$@" >"$E2E_TMP/$program.log" 2>&1 &
    local desktop=$!
    e2e_track $desktop
    e2e_wait_until 20 sh -c "xwininfo -root -tree | grep -q '\"$program\"'" ||
        e2e_fail "$program did not come up"

    wallpaper_apply "$QUADS" >/dev/null || e2e_fail "applying the picture failed"
    wait_for_colour 10 "$shot" 317 237 FFFF00 e2e_screenshot || e2e_fail "the desktop did not show the picture"
    expect_quadrants 320 240 "$shot"

    # The same path again: the desktop must read the file afresh.
    wallpaper_apply "$WHITE" >/dev/null || e2e_fail "applying the second picture failed"
    wait_for_colour 10 "$shot" 160 120 FFFFFF e2e_screenshot || e2e_fail "the desktop kept the old picture"
    expect_colour "$shot" 2 2 FFFFFF 317 237 FFFFFF

    kill "$desktop"
    e2e_wait_until 10 sh -c "! kill -0 $desktop" || e2e_fail "$program did not end"
    local status
    status=$(wallpaper_apply "$QUADS") && e2e_fail "a picture was reported as set with no desktop running"
    e2e_expect_eq "$status" "$(errno_value EIO)" "status without a desktop"
    e2e_log "$program shows the pictures; no desktop is reported"
}
