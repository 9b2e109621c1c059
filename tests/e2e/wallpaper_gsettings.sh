#!/usr/bin/env bash
# GNOME family: the background lives in GSettings, here with the keyfile backend that another
# process (gsettings, as the desktop would) reads back. Light and dark pictures and the
# stretched layout are set, the same temp.bmp again still ends on it, and a session whose
# settings go nowhere is reported.
source "$(dirname "$0")/lib/common.sh"
source "$(dirname "$0")/lib/wallpaper.sh"
e2e_init
command -v gsettings >/dev/null || e2e_skip "gsettings is not installed"
gsettings list-keys org.gnome.desktop.background >/dev/null 2>&1 ||
    e2e_skip "the GNOME background schema is not installed"
wallpaper_init
export XDG_CURRENT_DESKTOP=ubuntu:GNOME GSETTINGS_BACKEND=keyfile
uri=file://$COLLECTION/imgs/temp.bmp
key() { gsettings get org.gnome.desktop.background "$1"; }

for picture in "$QUADS" "$WHITE"; do
    wallpaper_apply "$picture" >/dev/null || e2e_fail "applying $(basename "$picture") failed"
    e2e_expect_eq "$(key picture-uri)" "'$uri'" "picture-uri"
    e2e_expect_eq "$(key picture-uri-dark)" "'$uri'" "picture-uri-dark"
    e2e_expect_eq "$(key picture-options)" "'stretched'" "picture-options"
done
e2e_expect_eq "$(e2e_pixel "$COLLECTION/imgs/temp.bmp" 40 15)" FFFFFF \
    "temp.bmp after the second picture"

status=$(GSETTINGS_BACKEND=memory wallpaper_apply "$QUADS") &&
    e2e_fail "settings kept in memory only were reported as the wallpaper"
e2e_expect_eq "$status" "$(errno_value ENXIO)" "status without a settings store"
e2e_log "GSettings hold the picture for light and dark, stretched"
