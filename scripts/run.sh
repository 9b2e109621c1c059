#!/usr/bin/env bash
# Builds Lumora and starts it against the reference service on loopback.
#
# On a desktop (DISPLAY set) the program opens on it. Without a display it runs under Xvfb with
# a notification area, and a screenshot is written to build/screenshot.png after
# LUMO_SCREENSHOT_DELAY seconds (default 8). LUMO_RUN_SECONDS ends the program after that many
# seconds (default: without a display 30, on a desktop never). The service's request log is
# build/service.log.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${LUMO_BUILD_DIR:-$root/build}
app=$build/app

bash "$root/scripts/build.sh"

pids=()
cleanup() {
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[i]}" 2>/dev/null || true
    done
    wait 2>/dev/null || true
}
trap cleanup EXIT
trap 'exit 130' INT TERM

source "$root/scripts/lib/wait_until.sh"

# The service: on port 8470, where the program's built-in URLs point; when that port is taken
# by a running lumora-service it is used as it is, by anything else a free port is taken and
# conf.ini is pointed at it.
port=8470
if curl -s --max-time 2 "http://127.0.0.1:$port/kavri/lm/lm.php?op=getversion" >/dev/null 2>&1 &&
    curl -s --max-time 2 "http://127.0.0.1:$port/kavri/lm/index.php?cid=1" | grep -q 'function TestFunc'; then
    echo "run: using the lumora-service already on port $port"
else
    rm -f "$build/service.port"
    "$app/lumora-service" --port "$port" --port-file "$build/service.port" --log "$build/service.log" \
        >/dev/null 2>"$build/service.err" &
    service_pid=$!
    pids+=("$service_pid")
    # It either writes its port or ends at once because the port is taken.
    wait_until 60 sh -c "test -s '$build/service.port' || ! kill -0 $service_pid"
    if [ ! -s "$build/service.port" ]; then
        echo "run: port $port is taken; starting the service on a free port"
        "$app/lumora-service" --port 0 --port-file "$build/service.port" --log "$build/service.log" \
            >/dev/null 2>>"$build/service.err" &
        pids+=($!)
        wait_until 60 test -s "$build/service.port" || {
            cat "$build/service.err" >&2
            exit 1
        }
    fi
    port=$(cat "$build/service.port")
    echo "run: lumora-service on http://127.0.0.1:$port (requests in $build/service.log)"
fi

# conf.ini beside the program: written when missing; its three URLs point at this service, every
# other setting is kept.
conf=$app/conf.ini
origin=http://127.0.0.1:$port
# Replaces or adds one key right after the [MAIN] line.
set_key() {
    grep -v -i "^$1=" "$conf" | awk -v line="$1=$2" '{print} /^\[MAIN\]/ && !done {print line; done=1}' >"$conf.new"
    mv "$conf.new" "$conf"
}
if [ ! -f "$conf" ]; then
    printf '[MAIN]\nversion=1.0\n' >"$conf"
fi
grep -q -i '^\[MAIN\]' "$conf" || printf '[MAIN]\n' >>"$conf"
set_key LURL "$origin/kavri/lm/lm.php"
set_key HOMEURL "$origin/desk/"
set_key SURL "$origin/desk/index.php?m=search&c=index&a=init&typeid=3&q="


# Started from its own folder, as a person starting it would: it then shows its window at once.
start_lumo() {
    (cd "$app" && exec "$app/lumo") &
    lumo_pid=$!
    pids+=("$lumo_pid")
}

# Waits for lumo to end, or ends it after LUMO_RUN_SECONDS.
wait_lumo() {
    local limit=$1
    if [ -n "$limit" ]; then
        local deadline=$((SECONDS + limit))
        while kill -0 "$lumo_pid" 2>/dev/null && [ "$SECONDS" -lt "$deadline" ]; do
            sleep 0.5
        done
        if kill -0 "$lumo_pid" 2>/dev/null; then
            echo "run: ending lumo after ${limit}s (LUMO_RUN_SECONDS)"
            kill "$lumo_pid" 2>/dev/null || true
        fi
    fi
    local status=0
    wait "$lumo_pid" || status=$?
    echo "run: lumo ended with status $status"
}

if [ -n "${DISPLAY:-}" ]; then
    start_lumo
    wait_lumo "${LUMO_RUN_SECONDS:-}"
    exit 0
fi

# No display: a virtual one with a notification area, and a screenshot to look at.
display_file=$build/xvfb.display
: >"$display_file"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$display_file" 2>"$build/xvfb.log" &
pids+=($!)
wait_until 20 grep -q '[0-9]' "$display_file" || {
    echo "run: Xvfb did not start" >&2
    exit 1
}
export DISPLAY=:$(tr -dc '0-9' <"$display_file")
unset WAYLAND_DISPLAY
if command -v dbus-launch >/dev/null; then
    eval "$(dbus-launch --sh-syntax)"
    pids+=("$DBUS_SESSION_BUS_PID")
fi
trayer --edge top --align right --widthtype pixel --width 120 --height 28 --SetDockType true \
    --transparent false --tint 0xffffff >/dev/null 2>&1 &
pids+=($!)
wait_until 20 xdotool search --onlyvisible --class trayer || echo "run: no notification area"
echo "run: no DISPLAY; lumo runs under Xvfb on $DISPLAY"

start_lumo
sleep "${LUMO_SCREENSHOT_DELAY:-8}"
import -window root "$build/screenshot.png"
echo "run: screenshot written to $build/screenshot.png"
if ! kill -0 "$lumo_pid" 2>/dev/null; then
    wait_lumo ""
    exit 0
fi
wait_lumo "${LUMO_RUN_SECONDS:-30}"
