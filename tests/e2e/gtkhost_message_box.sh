#!/usr/bin/env bash
# Message boxes of the GTK host under Xvfb: the caption is the window title, Enter presses the
# first button (OK, Yes), Escape closes a question box with No.
set -euo pipefail
demo="$LUMO_BINARY_DIR/tests/gtkhost_demo"
work=$(mktemp -d)
xvfb_pid=
cleanup() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$work/display")"

fail=0
# type  key     expected answer
while read -r type key expected; do
    "$demo" message-box "网络 100%" "Lumora" "$type" >"$work/out" 2>"$work/err" &
    pid=$!
    wid=$(xdotool search --sync --onlyvisible --name '^Lumora$' | head -n1)
    xdotool windowfocus --sync "$wid" key "$key"
    wait "$pid" || true
    got=$(cat "$work/out")
    if [ "$got" != "answer $expected" ]; then
        echo "type $type, key $key: expected answer $expected, got '$got' $(cat "$work/err")"
        fail=1
    fi
done <<'CASES'
0x00 Return 1
0x30 Return 1
0x24 Return 6
0x24 Escape 7
0x01 Escape 2
CASES
exit $fail
