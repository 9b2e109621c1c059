#!/usr/bin/env bash
# GNOME family, Cinnamon and MATE: the background lives in GSettings, here with the keyfile
# backend that another process (gsettings, as the desktop would) reads back. Each desktop's own
# keys get the picture (GNOME's light and dark ones as a URI, MATE's as a plain path) and the
# stretched layout, the same temp.bmp again still ends on it, and a session whose settings go
# nowhere is reported.
source "$(dirname "$0")/lib/common.sh"
source "$(dirname "$0")/lib/wallpaper.sh"
e2e_init
command -v gsettings >/dev/null || e2e_skip "gsettings is not installed"
wallpaper_init
export GSETTINGS_BACKEND=keyfile
bitmap=$COLLECTION/imgs/temp.bmp

# XDG_CURRENT_DESKTOP, schema, then "key=value" pairs expected afterwards.
check_desktop() {
    local desktop=$1 schema=$2
    shift 2
    if ! gsettings list-keys "$schema" >/dev/null 2>&1; then
        e2e_log "the schema $schema is not installed: $desktop not checked"
        return 0
    fi
    local picture pair
    for picture in "$QUADS" "$WHITE"; do
        XDG_CURRENT_DESKTOP=$desktop wallpaper_apply "$picture" >/dev/null ||
            e2e_fail "$desktop: applying $(basename "$picture") failed"
        for pair in "$@" picture-options=stretched; do
            e2e_expect_eq "$(gsettings get "$schema" "${pair%%=*}")" "'${pair#*=}'" "$desktop ${pair%%=*}"
        done
    done
}
check_desktop ubuntu:GNOME org.gnome.desktop.background \
    "picture-uri=file://$bitmap" "picture-uri-dark=file://$bitmap"
check_desktop X-Cinnamon org.cinnamon.desktop.background "picture-uri=file://$bitmap"
check_desktop MATE org.mate.background "picture-filename=$bitmap"
e2e_expect_eq "$(e2e_pixel "$bitmap" 40 15)" FFFFFF "temp.bmp after the second picture"

status=$(XDG_CURRENT_DESKTOP=GNOME GSETTINGS_BACKEND=memory wallpaper_apply "$QUADS") &&
    e2e_fail "settings kept in memory only were reported as the wallpaper"
e2e_expect_eq "$status" "$(errno_value ENXIO)" "status without a settings store"
e2e_log "GSettings hold the picture for each desktop, stretched"
