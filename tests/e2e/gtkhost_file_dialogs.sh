#!/usr/bin/env bash
# The file-open dialog and the folder browser of the GTK host under Xvfb: the dialog opens in
# the current directory, a name typed into it comes back as a full path, Escape cancels, and
# the folder browser opens with its title and can be cancelled.
source "$(dirname "$0")/lib/common.sh"
e2e_init
e2e_start_xvfb 1024x768x24
demo="$LUMO_BINARY_DIR/tests/gtkhost_demo"
work=$E2E_TMP
mkdir -p "$work/pics"
touch "$work/pics/A.JPG" "$work/pics/b.jpg" "$work/pics/c.png"
cd "$work/pics"

# run_case NAME EXPECTED MODE ARG...: runs the demo with MODE and its ARGs, types NAME into its
# dialog after Ctrl+L (into the location field), or Escape when NAME is empty, and checks the
# line it prints.
run_case() {
    local name=$1 expected=$2 mode=$3 arg=$4
    shift 2
    "$demo" "$@" >"$work/out" 2>"$work/err" &
    local pid=$!
    e2e_track "$pid"
    e2e_wait_until 30 sh -c "xdotool search --onlyvisible --pid $pid | grep -q ." ||
        e2e_fail "$mode: no dialog appeared"
    local wid
    wid=$(xdotool search --onlyvisible --pid "$pid" | head -n1)
    if [ "$mode" = browse-folder ] && [ "$(xdotool getwindowname "$wid")" != "$arg" ]; then
        e2e_fail "the folder browser's title is '$(xdotool getwindowname "$wid")'"
    fi
    if [ -n "$name" ]; then
        xdotool windowfocus --sync "$wid" key ctrl+l
        xdotool type "$name"
        xdotool key Return
    else
        xdotool windowfocus --sync "$wid" key Escape
    fi
    e2e_wait_until 30 sh -c "! kill -0 $pid 2>/dev/null" || e2e_fail "$mode: the dialog stayed open"
    [ "$(cat "$work/out")" = "$expected" ] ||
        e2e_fail "$mode with '$name': expected '$expected', got '$(cat "$work/out")' $(cat "$work/err")"
}

types=("Describe Files (*.jpg)" "*.jpg" "All Files (*.*)" "*")
run_case "b.jpg" "file $work/pics/b.jpg" open-file "${types[@]}"
run_case "" "cancelled" open-file "${types[@]}"
run_case "" "cancelled" browse-folder "请选择需要的目录："
