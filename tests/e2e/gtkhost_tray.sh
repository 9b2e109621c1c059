#!/usr/bin/env bash
# The notification icon and popup menus of the GTK host under Xvfb: without a notification area
# the icon is refused (the program then iconifies instead); with one (trayer) a left click and a
# right click reach the program, and the menu opened at the cursor answers the chosen id, or 0
# when dismissed.
set -euo pipefail
demo="$LUMO_BINARY_DIR/tests/gtkhost_demo"
work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

wait_for() {
    local file=$1 pattern=$2
    for _ in $(seq 300); do
        grep -q -- "$pattern" "$file" 2>/dev/null && return 0
        sleep 0.1
    done
    echo "no '$pattern' in $file:"; cat "$file"; return 1
}

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$work/display")"

"$demo" tray >"$work/none.out" 2>&1 &
pids+=($!)
wait_for "$work/none.out" "^tray 0$"

trayer --edge top --align right --widthtype pixel --width 120 --height 28 --SetDockType true \
    --transparent false --tint 0xffffff >"$work/trayer.log" 2>&1 &
pids+=($!)
for _ in $(seq 200); do xdotool search --onlyvisible --class trayer >/dev/null 2>&1 && break; sleep 0.1; done

"$demo" tray >"$work/demo.out" 2>&1 &
demo_pid=$!
pids+=($demo_pid)
wait_for "$work/demo.out" "^tray 1$"
# The icon is the demo's only visible window once the tray has embedded it.
icon=
for _ in $(seq 200); do
    icon=$(xdotool search --onlyvisible --pid "$demo_pid" 2>/dev/null | head -n1) && [ -n "$icon" ] && break
    sleep 0.1
done
[ -n "$icon" ] || { echo "the icon did not appear in the tray"; exit 1; }
eval "$(xdotool getwindowgeometry --shell "$icon")"
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) click 1
wait_for "$work/demo.out" "^left$"

menu_shown() {
    for _ in $(seq 200); do
        [ "$(xdotool search --onlyvisible --pid "$demo_pid" 2>/dev/null | wc -l)" -ge 2 ] && return 0
        sleep 0.1
    done
    echo "no menu appeared"; return 1
}
xdotool click 3
menu_shown
xdotool key Down Down Return
wait_for "$work/demo.out" "^chose 99998$"
xdotool click 3
menu_shown
xdotool key Escape
wait_for "$work/demo.out" "^chose 0$"
