#!/usr/bin/env bash
# Wayland, on a headless sway (no GPU needed) with grim taking the screenshots. With sway named
# by the session, sway is told over its IPC and runs its own swaybg; as any other wlroots
# compositor, the program's own detached swaybg shows the picture and outlives it. Either way a
# second picture through the same temp.bmp replaces the first, and a swaybg that dies makes
# Apply picture fail.
source "$(dirname "$0")/lib/common.sh"
source "$(dirname "$0")/lib/wallpaper.sh"
e2e_init
for tool in sway swaymsg swaybg grim; do
    command -v "$tool" >/dev/null || e2e_skip "$tool is not installed"
done
wallpaper_init

# sway refuses to run as root: the session, and the program in it, run as an ordinary user.
session=()
if [ "$(id -u)" -eq 0 ]; then
    command -v setpriv >/dev/null && id nobody >/dev/null 2>&1 || e2e_skip "no user to run sway as"
    chown -R nobody "$E2E_TMP"
    chmod 755 "$E2E_TMP"
    session=(setpriv --reuid="$(id -u nobody)" --regid="$(id -g nobody)" --clear-groups --)
fi

# sway's swaybg goes through a wrapper that dies while the file "swaybg-dies" exists.
mkdir -p "$E2E_TMP/bin" "$E2E_TMP/deadbin"
cat >"$E2E_TMP/bin/swaybg-or-death" <<SCRIPT
#!/bin/sh
[ -e "$E2E_TMP/swaybg-dies" ] && exit 1
exec swaybg "\$@"
SCRIPT
printf '#!/bin/sh\nexit 1\n' >"$E2E_TMP/deadbin/swaybg"
chmod 755 "$E2E_TMP/bin/swaybg-or-death" "$E2E_TMP/deadbin/swaybg"
cat >"$E2E_TMP/sway.conf" <<CONF
output HEADLESS-1 resolution 320x240
xwayland disable
swaybg_command $E2E_TMP/bin/swaybg-or-death
CONF
unset DISPLAY
WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
    "${session[@]}" sway -c "$E2E_TMP/sway.conf" >"$E2E_TMP/sway.log" 2>&1 &
e2e_track $!
e2e_wait_until 20 sh -c "ls '$XDG_RUNTIME_DIR' | grep -q '^sway-ipc\..*\.sock$'" ||
    e2e_skip "sway cannot start here (see sway.log)"
export SWAYSOCK=$(ls "$XDG_RUNTIME_DIR"/sway-ipc.*.sock | head -n 1)
export WAYLAND_DISPLAY=$(cd "$XDG_RUNTIME_DIR" && ls | grep '^wayland-[0-9]*$' | head -n 1)
shot=$E2E_TMP/screen.png
sway_shot() { "${session[@]}" grim - >"$1" 2>>"$E2E_TMP/grim.log"; }
apply() { wallpaper_apply_as "$1" "${session[@]}"; }

export XDG_CURRENT_DESKTOP=sway
apply "$QUADS" >/dev/null || e2e_fail "sway did not take the picture"
# swaybg scales without padding the edges: the outermost pixels fade, so corners are looked at
# 8 pixels in.
wait_for_colour 10 "$shot" 311 231 FFFF00 sway_shot || e2e_fail "sway did not show the picture"
expect_quadrants 320 240 "$shot" 8
apply "$WHITE" >/dev/null || e2e_fail "sway did not take the second picture"
wait_for_colour 10 "$shot" 160 120 FFFFFF sway_shot || e2e_fail "sway kept the old picture"
touch "$E2E_TMP/swaybg-dies"
status=$(apply "$QUADS") && e2e_fail "a dead swaybg was reported as showing the picture"
e2e_expect_eq "$status" "$(errno_value EIO)" "status with sway's swaybg dead"
rm "$E2E_TMP/swaybg-dies"
e2e_log "sway shows the pictures; its dead swaybg is reported"

# Another wlroots compositor: nothing names it but its Wayland socket.
unset XDG_CURRENT_DESKTOP SWAYSOCK
pid_file=$XDG_RUNTIME_DIR/lumo-swaybg-$("${session[@]}" id -u).pid
apply "$QUADS" >/dev/null || e2e_fail "the detached swaybg did not start"
first=$(cat "$pid_file")
wait_for_colour 10 "$shot" 311 231 FFFF00 sway_shot || e2e_fail "the detached swaybg did not show the picture"
expect_quadrants 320 240 "$shot" 8
apply "$WHITE" >/dev/null || e2e_fail "the second detached swaybg did not start"
second=$(cat "$pid_file")
[ "$second" != "$first" ] || e2e_fail "the swaybg was not replaced"
e2e_wait_until 5 sh -c "! kill -0 $first" || e2e_fail "the previous swaybg still runs"
kill -0 "$second" || e2e_fail "the swaybg did not outlive the program"
wait_for_colour 10 "$shot" 160 120 FFFFFF sway_shot || e2e_fail "the detached swaybg kept the old picture"
status=$(PATH=$E2E_TMP/deadbin:$PATH apply "$QUADS") && e2e_fail "a dead swaybg was reported as showing the picture"
e2e_expect_eq "$status" "$(errno_value EIO)" "status with a swaybg that dies"
kill -0 "$second" || e2e_fail "a failed change ended the swaybg that showed the picture"
sway_shot "$shot"
expect_colour "$shot" 160 120 FFFFFF
kill "$second"
e2e_log "the detached swaybg shows the pictures and is replaced; a dead one is reported"
