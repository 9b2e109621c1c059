#!/usr/bin/env bash
# Without a desktop environment the picture becomes the X root window's background, stretched
# to the screen, and applying another picture through the same temp.bmp shows the new one.
source "$(dirname "$0")/lib/common.sh"
e2e_init
e2e_start_xvfb 320x240x24

apply=$LUMO_BINARY_DIR/tests/wallpaper_apply
[ -x "$apply" ] || e2e_skip "wallpaper_apply is not built"
collection=$E2E_TMP/collection
mkdir -p "$collection/imgs"

# 80 x 30 pixels in four quadrants; stretched to 320 x 240 each quadrant fills a quarter of
# the screen, corners included (a fitted or centred picture would leave black bars).
convert \( -size 40x15 xc:'#FF0000' xc:'#00FF00' +append \) \
        \( -size 40x15 xc:'#0000FF' xc:'#FFFF00' +append \) -append "$E2E_TMP/quads.png"
convert -size 80x30 xc:'#FFFFFF' "$E2E_TMP/white.jpg"
echo "not a picture" >"$E2E_TMP/broken.png"

expect_screen() {  # x y RRGGBB ...
    local shot=$E2E_TMP/screen.png
    e2e_screenshot "$shot"
    while [ $# -gt 0 ]; do
        local got
        got=$(e2e_pixel "$shot" "$1" "$2")
        [ "$got" = "$3" ] || e2e_fail "pixel $1,$2 is $got, expected $3"
        shift 3
    done
}

"$apply" "$collection" "$E2E_TMP/quads.png" || e2e_fail "applying the PNG failed"
[ "$(head -c 2 "$collection/imgs/temp.bmp")" = "BM" ] || e2e_fail "temp.bmp is not a bitmap"
expect_screen 2 2 FF0000 317 2 00FF00 2 237 0000FF 317 237 FFFF00 \
              100 80 FF0000 220 80 00FF00 100 160 0000FF 220 160 FFFF00

root_ids=$(xprop -root _XROOTPMAP_ID ESETROOT_PMAP_ID | grep -o '0x[0-9a-f]*' | sort -u)
[ "$(echo "$root_ids" | wc -l)" = 1 ] || e2e_fail "root pixmap properties differ: $root_ids"

# Same temp.bmp path, new content: the screen follows.
"$apply" "$collection" "$E2E_TMP/white.jpg" || e2e_fail "applying the JPEG failed"
expect_screen 2 2 FFFFFF 317 237 FFFFFF 160 120 FFFFFF
new_id=$(xprop -root _XROOTPMAP_ID | grep -o '0x[0-9a-f]*')
[ "$new_id" != "$root_ids" ] || e2e_fail "the root pixmap was not replaced"

# Not a picture: the previous temp.bmp is shown again.
"$apply" "$collection" "$E2E_TMP/broken.png" || e2e_fail "re-applying temp.bmp failed"
expect_screen 2 2 FFFFFF 160 120 FFFFFF
e2e_log "root window shows the stretched pictures"
