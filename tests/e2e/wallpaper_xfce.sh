#!/usr/bin/env bash
# XFCE: xfdesktop draws the desktop from xfconf. Apply picture sets every monitor's and
# workspace's background there, xfdesktop shows it stretched, a second picture through the same
# temp.bmp replaces it, and a channel locked by the administrator makes Apply picture fail.
source "$(dirname "$0")/lib/common.sh"
source "$(dirname "$0")/lib/wallpaper.sh"
e2e_init
command -v xfdesktop >/dev/null && command -v xfconf-query >/dev/null ||
    e2e_skip "xfdesktop and xfconf are not installed"
e2e_start_xvfb 320x240x24
e2e_start_dbus
wallpaper_init
export XDG_CURRENT_DESKTOP=XFCE
shot=$E2E_TMP/screen.png
xfdesktop --disable-wm-check >"$E2E_TMP/xfdesktop.log" 2>&1 &
e2e_track $!
e2e_wait_until 20 sh -c 'xfconf-query -c xfce4-desktop -l | grep -q last-image' ||
    e2e_fail "xfdesktop did not come up"

wallpaper_apply "$QUADS" >/dev/null || e2e_fail "applying the picture failed"
wait_for_colour 10 "$shot" 317 237 FFFF00 e2e_screenshot || e2e_fail "xfdesktop did not show the picture"
expect_quadrants 320 240 "$shot"
bitmap=$COLLECTION/imgs/temp.bmp
for image in $(xfconf-query -c xfce4-desktop -l | grep '/last-image$'); do
    e2e_expect_eq "$(xfconf-query -c xfce4-desktop -p "$image")" "$bitmap" "$image"
    e2e_expect_eq "$(xfconf-query -c xfce4-desktop -p "${image%last-image}image-style")" 3 "style"
done

wallpaper_apply "$WHITE" >/dev/null || e2e_fail "applying the second picture failed"
wait_for_colour 10 "$shot" 160 120 FFFFFF e2e_screenshot || e2e_fail "xfdesktop kept the old picture"
expect_colour "$shot" 2 2 FFFFFF 317 237 FFFFFF

# The administrator locks the backgrounds (a system-wide channel file read by a fresh xfconf
# daemon): xfconf-query still exits 0, but the read-back shows the change did not happen.
locked=$E2E_TMP/xdg-system/xfce4/xfconf/xfce-perchannel-xml
mkdir -p "$locked"
properties=""
for image in $(xfconf-query -c xfce4-desktop -l | grep '/last-image$'); do
    IFS=/ read -r _ _ screen monitor workspace _ <<<"$image"
    properties+="<property name=\"$screen\" type=\"empty\"><property name=\"$monitor\" type=\"empty\">"
    properties+="<property name=\"$workspace\" type=\"empty\"><property name=\"last-image\" type=\"string\" value=\"/locked.png\" locked=\"$(id -un)\"/>"
    properties+="</property></property></property>"
done
cat >"$locked/xfce4-desktop.xml" <<XML
<?xml version="1.0" encoding="UTF-8"?>
<channel name="xfce4-desktop" version="1.0"><property name="backdrop" type="empty">$properties</property></channel>
XML
export XDG_CONFIG_DIRS=$E2E_TMP/xdg-system:/etc/xdg
e2e_start_dbus
status=$(wallpaper_apply "$QUADS") && e2e_fail "a locked channel was reported as set"
e2e_expect_eq "$status" "$(errno_value EACCES)" "status against a locked channel"
e2e_expect_eq "$(xfconf-query -c xfce4-desktop -p "$image")" /locked.png "the locked value"
e2e_log "xfdesktop shows the pictures; a locked channel is reported"
