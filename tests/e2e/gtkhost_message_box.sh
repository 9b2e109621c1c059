#!/usr/bin/env bash
# Message boxes of the GTK host under Xvfb: the caption is the window title, Enter presses the
# first button (OK, Yes), Escape closes a question box with No.
source "$(dirname "$0")/lib/common.sh"
e2e_init
e2e_start_xvfb 1024x768x24
demo="$LUMO_BINARY_DIR/tests/gtkhost_demo"
work=$E2E_TMP

fail=0
# buttons icon    key     expected answer
while read -r buttons icon key expected; do
    "$demo" message-box "网络 100%" "Lumora" "$buttons" "$icon" >"$work/out" 2>"$work/err" &
    pid=$!
    wid=$(xdotool search --sync --onlyvisible --name '^Lumora$' | head -n1)
    xdotool windowfocus --sync "$wid" key "$key"
    wait "$pid" || true
    got=$(cat "$work/out")
    if [ "$got" != "answer $expected" ]; then
        echo "$buttons $icon, key $key: expected answer $expected, got '$got' $(cat "$work/err")"
        fail=1
    fi
done <<'CASES'
ok       none     Return 1
ok       warning  Return 1
yesno    question Return 6
yesno    question Escape 7
okcancel none     Escape 2
CASES
exit $fail
