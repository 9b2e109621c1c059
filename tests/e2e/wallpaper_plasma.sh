#!/usr/bin/env bash
# KDE Plasma, without a real plasmashell (it needs a GPU): a stand-in on the session bus
# records the evaluateScript call and runs the script with gjs against Plasma's scripting API
# for three desktops. Every desktop ends on the image plugin with temp.bmp stretched (reloaded
# when it is the same path again), also with
# the user's widgets locked (unlocked for the change, locked again after); a desktop locked down
# by the administrator makes Apply picture fail, and so does a shell that answers with an error.
source "$(dirname "$0")/lib/common.sh"
source "$(dirname "$0")/lib/wallpaper.sh"
e2e_init
command -v gjs >/dev/null || e2e_skip "gjs is not installed"
command -v dbus-send >/dev/null || e2e_skip "dbus-send is not installed"
e2e_start_dbus
wallpaper_init
export XDG_CURRENT_DESKTOP=KDE
state=$E2E_TMP/plasma-state.json
scripts=$E2E_TMP/scripts
mkdir -p "$scripts"
uri=file://$COLLECTION/imgs/temp.bmp
image_key=org.kde.image/Wallpaper/org.kde.image/General

desktops() {  # LOCKED IMMUTABLE-OF-THE-THIRD
    cat >"$state" <<JSON
{"locked": $1, "desktops": [
 {"plugin": "org.kde.image", "config": {"$image_key/Image": "file:///old.jpg"}},
 {"plugin": "org.kde.slideshow", "config": {}},
 {"plugin": "org.kde.color", "config": {}, "immutable": $2}]}
JSON
}
# "plugin image fillmode" of each desktop, one line each, and the lock.
summary() {
    python3 - "$state" "$image_key" <<'PY'
import json, sys
state = json.load(open(sys.argv[1]))
key = sys.argv[2]
for d in state["desktops"]:
    print(d["plugin"], d["config"].get(key + "/Image"), d["config"].get(key + "/FillMode"))
print("locked" if state["locked"] else "unlocked")
PY
}

/usr/bin/python3 "$(dirname "$0")/plasma_shell.py" "$state" "$scripts" "$E2E_TMP/plasma.ready" \
    >"$E2E_TMP/plasma.log" 2>&1 &
e2e_track $!
e2e_wait_until 20 test -s "$E2E_TMP/plasma.ready" || e2e_fail "the plasmashell stand-in did not start"

expected="org.kde.image $uri 0
org.kde.image $uri 0
org.kde.image $uri 0"
for locked in false true; do
    desktops "$locked" false
    wallpaper_apply "$QUADS" >/dev/null || e2e_fail "Plasma did not take the picture (widgets locked: $locked)"
    e2e_expect_eq "$(summary)" "$expected
$([ "$locked" = true ] && echo locked || echo unlocked)" "the desktops (widgets locked: $locked)"
done
# The same temp.bmp again: the plugin would keep the picture it loaded for an unchanged URI, so
# the desktops get the file under another spelling, and then the plain one again.
respelled=file://$COLLECTION/imgs/./temp.bmp
for next in "$respelled" "$uri"; do
    wallpaper_apply "$WHITE" >/dev/null || e2e_fail "Plasma did not take the picture again"
    e2e_expect_eq "$(summary)" "org.kde.image $next 0
org.kde.image $next 0
org.kde.image $next 0
locked" "the desktops after the same path again"
done
# The call was one evaluateScript carrying the script.
[ "$(ls "$scripts" | wc -l)" = 4 ] || e2e_fail "expected one call per change, got $(ls "$scripts")"
grep -q "readConfig" "$scripts/script-2.js" || e2e_fail "the script does not read the picture back"

desktops false true
status=$(wallpaper_apply "$QUADS") && e2e_fail "a desktop locked down was reported as set"
e2e_expect_eq "$status" "$(errno_value EACCES)" "status with a desktop locked down"

echo '{"locked": false, "desktops": "not a list"}' >"$state"
status=$(wallpaper_apply "$QUADS") && e2e_fail "a script error was reported as success"
e2e_expect_eq "$status" "$(errno_value EIO)" "status when the shell answers an error"
e2e_log "Plasma's desktops all hold the picture; refusals are reported"
