#!/usr/bin/env bash
# LXQt: pcmanfm-qt draws the desktop (see file_manager_desktop_scenario).
source "$(dirname "$0")/lib/common.sh"
source "$(dirname "$0")/lib/wallpaper.sh"
e2e_init
export XDG_CURRENT_DESKTOP=LXQt QT_QPA_PLATFORM=xcb
file_manager_desktop_scenario pcmanfm-qt --desktop
