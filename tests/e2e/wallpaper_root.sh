#!/usr/bin/env bash
# Without a desktop environment the picture becomes the X root window's background, stretched
# to the screen, and applying another picture through the same temp.bmp shows the new one.
source "$(dirname "$0")/lib/common.sh"
source "$(dirname "$0")/lib/wallpaper.sh"
e2e_init
e2e_start_xvfb 320x240x24
wallpaper_init
shot=$E2E_TMP/screen.png
echo "not a picture" >"$E2E_TMP/broken.png"

wallpaper_apply "$QUADS" || e2e_fail "applying the PNG failed"
[ "$(head -c 2 "$COLLECTION/imgs/temp.bmp")" = "BM" ] || e2e_fail "temp.bmp is not a bitmap"
e2e_screenshot "$shot"
expect_quadrants 320 240 "$shot"

root_ids=$(xprop -root _XROOTPMAP_ID ESETROOT_PMAP_ID | grep -o '0x[0-9a-f]*' | sort -u)
[ "$(echo "$root_ids" | wc -l)" = 1 ] || e2e_fail "root pixmap properties differ: $root_ids"

# Same temp.bmp path, new content: the screen follows.
wallpaper_apply "$WHITE" || e2e_fail "applying the JPEG failed"
e2e_screenshot "$shot"
expect_colour "$shot" 2 2 FFFFFF 317 237 FFFFFF 160 120 FFFFFF
new_id=$(xprop -root _XROOTPMAP_ID | grep -o '0x[0-9a-f]*')
[ "$new_id" != "$root_ids" ] || e2e_fail "the root pixmap was not replaced"

# Not a picture: the previous temp.bmp is shown again, and that is reported as a failure.
status=$(wallpaper_apply "$E2E_TMP/broken.png") && e2e_fail "a broken picture was reported as applied"
e2e_expect_eq "$status" "$(errno_value EBADMSG)" "status of a broken picture"
e2e_screenshot "$shot"
expect_colour "$shot" 2 2 FFFFFF 160 120 FFFFFF
# No X server to show it: reported, and temp.bmp holds the new picture for the next attempt.
status=$(DISPLAY=:9999 wallpaper_apply "$QUADS") && e2e_fail "no display was reported as success"
e2e_expect_eq "$status" "$(errno_value ENXIO)" "status without a display"
e2e_log "root window shows the stretched pictures"
