#!/usr/bin/env bash
# Message boxes of the GTK host under Xvfb: the caption is the window title, Enter presses the
# first button (OK, Yes), Escape closes a question box with No.
source "$(dirname "$0")/lib/common.sh"
e2e_init
e2e_start_xvfb 1024x768x24
demo="$LUMO_BINARY_DIR/tests/gtkhost_demo"
work=$E2E_TMP

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
