#!/usr/bin/env bash
# The notification icon and popup menus of the GTK host under Xvfb: without a notification area
# the icon is refused (the program then iconifies instead); with one (trayer) a left click and a
# right click reach the program, and the menu opened at the cursor answers the chosen id, or 0
# when dismissed.
source "$(dirname "$0")/lib/common.sh"
e2e_init
e2e_start_xvfb 1024x768x24
demo="$LUMO_BINARY_DIR/tests/gtkhost_demo"
work=$E2E_TMP

"$demo" tray >"$work/none.out" 2>&1 &
e2e_track $!
e2e_wait_for_line "$work/none.out" "^tray 0$"

e2e_start_trayer

"$demo" tray >"$work/demo.out" 2>&1 &
demo_pid=$!
e2e_track "$demo_pid"
e2e_wait_for_line "$work/demo.out" "^tray 1$"
# The icon is the demo's only visible window once the tray has embedded it.
e2e_wait_until 20 sh -c "xdotool search --onlyvisible --pid $demo_pid | grep -q ." ||
    e2e_fail "the icon did not appear in the tray"
icon=$(xdotool search --onlyvisible --pid "$demo_pid" | head -n1)
eval "$(xdotool getwindowgeometry --shell "$icon")"
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) click 1
e2e_wait_for_line "$work/demo.out" "^left$"

menu_shown() {
    e2e_wait_until 20 sh -c "[ \$(xdotool search --onlyvisible --pid $demo_pid | wc -l) -ge 2 ]" ||
        e2e_fail "no menu appeared"
}
xdotool click 3
menu_shown
xdotool key Down Down Return
e2e_wait_for_line "$work/demo.out" "^chose 99998$"
xdotool click 3
menu_shown
xdotool key Escape
e2e_wait_for_line "$work/demo.out" "^chose 0$"
