#!/usr/bin/env bash
# The helpers the scenarios share: a virtual display, a notification area at the top right,
# window lookup, screenshots and pixels, and the application folder for the service.
source "$(dirname "$0")/lib/common.sh"
e2e_init
e2e_start_xvfb
e2e_start_trayer

panel=$(e2e_wait_window panel 10) || e2e_fail "no trayer panel"
read -r x y w h < <(e2e_window_geometry "$panel")
e2e_expect_eq "$y" "0" "panel top"
e2e_expect_eq "$((x + w))" "1280" "panel right edge"
e2e_expect_eq "$h" "28" "panel height"

e2e_screenshot "$E2E_TMP/screen.png"
e2e_expect_eq "$(identify -format '%wx%h' "$E2E_TMP/screen.png")" "1280x800" "screenshot size"
convert -size 4x3 xc:'#336699' -fill '#FF8000' -draw 'point 2,1' "$E2E_TMP/known.png"
e2e_expect_eq "$(e2e_pixel "$E2E_TMP/known.png" 0 0)" "336699" "pixel"
e2e_expect_eq "$(e2e_pixel "$E2E_TMP/known.png" 2 1)" "FF8000" "pixel"
for point in "5 5" "$((x + 3)) 3" "640 400"; do
    read -r px py <<<"$point"
    e2e_expect_eq "$(e2e_screen_pixel "$px" "$py")" "$(e2e_pixel "$E2E_TMP/screen.png" "$px" "$py")" \
        "screen pixel at $px,$py"
done

e2e_start_service
e2e_make_app_dir AUTO=0
grep -qx "LURL=$SERVICE_URL/kavri/lm/lm.php" "$APP_DIR/conf.ini" || e2e_fail "conf.ini: $(cat "$APP_DIR/conf.ini")"
grep -qx "AUTO=0" "$APP_DIR/conf.ini" || e2e_fail "extra setting missing"
e2e_set_conf AUTO 1
e2e_expect_eq "$(grep -ci '^auto=' "$APP_DIR/conf.ini")" "1" "AUTO set once"
[ -x "$APP_DIR/lumo" ] && [ ! -L "$APP_DIR/lumo" ] || e2e_fail "lumo is not copied"
curl -s "$SERVICE_URL/kavri/lm/lm.php?op=getversion" >/dev/null
e2e_expect_request '^/kavri/lm/lm\.php\?op=getversion$'
e2e_log "ok"
