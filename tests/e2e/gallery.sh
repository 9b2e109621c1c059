#!/usr/bin/env bash
# The gallery tab of the real program under Xvfb over a collection of 40 pictures, each one
# colour: the first page shows 16 cards with the pictures in the folder's own order, a wheel
# notch over the gallery brings page 2, and a card's "设为壁纸" makes its picture the root
# window's background and says so in a message box.
source "$(dirname "$0")/lib/common.sh"

e2e_init
e2e_start_xvfb 1280x1024x24
e2e_start_dbus
unset NO_AT_BRIDGE
e2e_start_service
collection=$E2E_TMP/collection
mkdir -p "$collection/imgs"
e2e_make_app_dir "SCML=$collection"

colour_of() {  # index -> RRGGBB
    printf '%02X%02X%02X' $((20 + $1 * 5)) $((220 - $1 * 4)) $(($1 * 37 % 256))
}
for i in $(seq 0 39); do
    convert -size 160x90 "xc:#$(colour_of "$i")" "$collection/imgs/$(printf 'pic%02d' "$i").png"
done
# The gallery lists the folder in the order the directory gives its entries, as ls -f does.
mapfile -t order < <(ls -f "$collection/imgs" | grep '\.png$')
[ "${#order[@]}" = 40 ] || e2e_fail "expected 40 pictures, found ${#order[@]}"
colour_at() {  # listing position -> RRGGBB
    local name=${order[$1]}
    colour_of $((10#${name:3:2}))
}

e2e_start_lumo
e2e_wait_until 30 e2e_main_window_shown || e2e_fail "the main window did not appear"
read -r wx wy _ _ <<<"$(e2e_window_geometry "$(e2e_main_window_id)")"
e2e_click $((wx + 191)) $((wy + 51))  # the tab "我的壁纸"

# Card k of a page lies at (16 + 220 * (k % 4), 104 + 123 * (k / 4)) in the main window: the
# page area at (1, 67), the page below the links at (0, 32), the grid from (15, 5).
card_x() { echo $((wx + 16 + 220 * ($1 % 4))); }
card_y() { echo $((wy + 104 + 123 * ($1 / 4))); }
# True when every card of the page shows the picture of listing position first + k.
page_shows() {
    local first=$1 shot=$E2E_TMP/gallery.png k
    e2e_screenshot "$shot"
    for k in $(seq 0 15); do
        [ "$(e2e_pixel "$shot" $(($(card_x "$k") + 100)) $(($(card_y "$k") + 50)))" = "$(colour_at $((first + k)))" ] ||
            return 1
    done
}
e2e_wait_until 30 page_shows 0 || e2e_fail "page 1 does not show the first 16 pictures"
# Nothing beyond the grid: the gap right of the last column is the skin.
shot=$E2E_TMP/gallery.png
for i in $(seq 0 39); do
    [ "$(e2e_pixel "$shot" $((wx + 16 + 220 * 3 + 212)) $((wy + 160)))" != "$(colour_of "$i")" ] ||
        e2e_fail "a picture shows right of the grid"
done
e2e_log "page 1 shows 16 cards"

xdotool mousemove --sync "$(card_x 5)" "$(($(card_y 5) + 50))" click 5
e2e_wait_until 20 page_shows 16 || e2e_fail "the wheel did not bring page 2"
e2e_log "the wheel brought page 2"

# The left half of the tag of page 2's first card: its picture becomes the background.
tag_x=$(($(card_x 0) + 30))
tag_y=$(($(card_y 0) + 93))
xdotool mousemove --sync "$(card_x 0)" "$(($(card_y 0) + 40))"
sleep 0.3
xdotool mousemove --sync "$tag_x" "$tag_y"
sleep 0.3
xdotool click 1
set_box_shown() { e2e_lumo_texts | grep -qxF 'label: 壁纸设置成功'; }
e2e_wait_until 30 set_box_shown || e2e_fail "no message after setting the wallpaper: $(e2e_lumo_texts)"
[ "$(head -c 2 "$collection/imgs/temp.bmp")" = "BM" ] || e2e_fail "temp.bmp is not a bitmap"
# The root window outside the main window and the message box.
shot=$E2E_TMP/wallpaper.png
e2e_screenshot "$shot"
for point in "4 1018" "1275 4" "640 1010"; do
    read -r px py <<<"$point"
    e2e_expect_eq "$(e2e_pixel "$shot" "$px" "$py")" "$(colour_at 16)" "root window pixel at $px,$py"
done
xdotool key Return
set_box_gone() { ! e2e_lumo_texts | grep -q 壁纸设置成功; }
e2e_wait_until 10 set_box_gone ||
    e2e_fail "the message box stayed"
e2e_log "the card set the wallpaper and said so"
