#!/usr/bin/env bash
# Start-up of the real program under Xvfb against a loopback service: a second instance says
# so and ends while the first stays untouched; the version request carries no usage report;
# a new version offers the update, and Yes starts LumoUpdate beside the program and ends, while
# No goes on to the main window.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
app="$work/app"
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    [ -n "${DBUS_SESSION_BUS_PID:-}" ] && kill "$DBUS_SESSION_BUS_PID" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# Polls a command for up to 20 seconds.
wait_for() {
    for _ in $(seq 200); do "$@" && return 0; sleep 0.1; done
    return 1
}
running() { kill -0 "$1" 2>/dev/null; }
ended() { ! running "$1"; }
request_count() { [ -f "$work/requests" ] && wc -l <"$work/requests" || echo 0; }
has_request() { [ "$(request_count)" -ge 1 ]; }

# An installation of its own: the program, a stub updater that leaves a mark, conf.ini.
mkdir -p "$app" "$work/run" "$work/config"
chmod 700 "$work/run"
cp "$LUMO_BINARY_DIR/app/lumo" "$app/"
printf '#!/bin/sh\ntouch "$(dirname "$0")/updater-started"\n' >"$app/LumoUpdate"
chmod +x "$app/LumoUpdate"
export XDG_RUNTIME_DIR="$work/run" XDG_CONFIG_HOME="$work/config"

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
wait_for test -s "$work/display" || fail "Xvfb did not start"
export DISPLAY=":$(head -n1 "$work/display")"
# A session bus with the accessibility bus behind it, to read the texts of the boxes.
eval "$(dbus-launch --sh-syntax)"
unset NO_AT_BRIDGE

/usr/bin/python3 "$here/startup_service.py" "$work" &
pids+=($!)
wait_for test -s "$work/port" || fail "service did not start"
service="http://127.0.0.1:$(cat "$work/port")/kavri/lm/lm.php"
printf '[MAIN]\nversion=1.0\nLURL=%s\n' "$service" >"$app/conf.ini"

# Waits for the box titled "Lumora" and prints its window id.
find_box() {
    timeout 20 xdotool search --sync --onlyvisible --name '^Lumora$' | head -n1
}
# Succeeds once the program's box shows the line given (a label or a button).
box_shows() {
    wait_for sh -c '/usr/bin/python3 "$1" lumo 2>/dev/null | grep -qxF "$2"' _ "$here/dialog_text.py" "$1"
}
# Waits for a process to end and checks its exit status.
expect_exit() {
    wait_for ended "$1" || fail "$2 did not end"
    local status=0
    wait "$1" || status=$?
    [ "$status" -eq 0 ] || fail "$2 ended with status $status"
}

# 1. The first instance waits in its version check while a second one starts.
touch "$work/hold"
"$app/lumo" &
first=$!
pids+=("$first")
wait_for has_request || fail "first instance sent no request"
"$app/lumo" &
second=$!
pids+=("$second")
box=$(find_box) || fail "no box from the second instance"
box_shows "label: Lumora已经运行！" || fail "box text: $(/usr/bin/python3 "$here/dialog_text.py" lumo)"
box_shows "push button: OK" || fail "no OK button"
xdotool windowfocus --sync "$box" key Return
expect_exit "$second" "second instance"
running "$first" || fail "first instance ended with the second"
[ "$(request_count)" -eq 1 ] || fail "second instance sent a request"
rm "$work/hold"
# The program's visible 900 x 667 window.
e2e_main_window_shown() {
    local w
    for w in $(xdotool search --onlyvisible --class lumo 2>/dev/null); do
        xwininfo -id "$w" | grep -q -- '-geometry 900x667' && return 0
    done
    return 1
}
# The service here answers getad with nothing: the program says so, then shows its window.
no_network_then_window() {
    box_shows "label: 您的网络可能没有接上，请检查网络！" || fail "no network box: $(/usr/bin/python3 "$here/dialog_text.py" lumo)"
    xdotool windowfocus --sync "$(find_box)" key Return
    wait_for e2e_main_window_shown || fail "no main window"
    running "$1" || fail "the program ended instead of showing its window"
    kill "$1"
    wait "$1" 2>/dev/null || true
}
no_network_then_window "$first"
[ "$(head -n1 "$work/requests")" = "/kavri/lm/lm.php?op=getversion" ] ||
    fail "start-up request was $(head -n1 "$work/requests")"
[ ! -e "$app/updater-started" ] || fail "updater started on the same version"

# 2. Another version: No goes on to the main window; Yes starts the updater and ends.
printf '0.9\r\n' >"$work/version"
for answer in Escape Return; do
    "$app/lumo" &
    pid=$!
    pids+=("$pid")
    box=$(find_box) || fail "no update prompt"
    box_shows "label: Lumora有新版，是否更新?" || fail "prompt text: $(/usr/bin/python3 "$here/dialog_text.py" lumo)"
    xdotool windowfocus --sync "$box" key "$answer"
    if [ "$answer" = Escape ]; then
        no_network_then_window "$pid"
        [ ! -e "$app/updater-started" ] || fail "No started the updater"
    else
        expect_exit "$pid" "instance answered with $answer"
        wait_for test -e "$app/updater-started" || fail "Yes did not start LumoUpdate"
    fi
done
grep -q 'op=getversion.*uid=' "$work/requests" && fail "a start-up request carried the usage report"
echo "start-up checks passed"
