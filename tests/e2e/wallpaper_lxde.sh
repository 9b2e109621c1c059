#!/usr/bin/env bash
# LXDE: pcmanfm draws the desktop with the session's profile (see file_manager_desktop_scenario).
source "$(dirname "$0")/lib/common.sh"
source "$(dirname "$0")/lib/wallpaper.sh"
e2e_init
export XDG_CURRENT_DESKTOP=LXDE
file_manager_desktop_scenario pcmanfm --desktop --profile LXDE
