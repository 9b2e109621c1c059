# Shared helpers for the end-to-end scenarios. Source it from a tests/e2e/*.sh script:
#
#   source "$(dirname "$0")/lib/common.sh"
#   e2e_init            # temp folder, isolated XDG folders, cleanup trap
#   e2e_start_xvfb      # DISPLAY on a free display
#   e2e_start_trayer    # a notification area (optional)
#   e2e_start_service   # lumora-service on a free loopback port: SERVICE_URL, SERVICE_LOG
#   e2e_make_app_dir    # APP_DIR with lumo, LumoUpdate, styles/ and conf.ini for the service
#   e2e_start_dbus      # a session bus (optional; e2e_require_dbus skips without one)
#   e2e_start_lumo      # LUMO_PID
#   wid=$(e2e_wait_window Lumora)
#   e2e_screenshot shot.png; e2e_pixel shot.png 10 20   # -> RRGGBB
#
# Everything started through these helpers is ended by the cleanup trap, whatever the outcome.
# Artifacts (screenshots, logs) of a scenario stay in E2E_ARTIFACTS under the build folder.

set -euo pipefail

E2E_PIDS=()
E2E_SCENARIO=$(basename "${BASH_SOURCE[1]:-$0}" .sh)
LUMO_SOURCE_DIR=${LUMO_SOURCE_DIR:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../../.." && pwd)}
LUMO_BINARY_DIR=${LUMO_BINARY_DIR:-$LUMO_SOURCE_DIR/build}
LUMO_APP_BUILD=$LUMO_BINARY_DIR/app

e2e_log() { printf '[%s] %s\n' "$E2E_SCENARIO" "$*" >&2; }

# Ends the scenario with a message; the trap cleans up.
e2e_fail() {
    e2e_log "FAIL: $*"
    exit 1
}

# Skips the scenario (ctest counts exit code 77 as skipped where SKIP_RETURN_CODE is set; otherwise
# it passes) when something it needs has not been built yet.
e2e_skip() {
    e2e_log "SKIP: $*"
    exit 77
}

e2e_cleanup() {
    local status=$?
    local pid
    # Newest first, so that lumo goes before the service and the display it talks to.
    for ((i = ${#E2E_PIDS[@]} - 1; i >= 0; i--)); do
        pid=${E2E_PIDS[i]}
        kill "$pid" 2>/dev/null || true
    done
    for pid in "${E2E_PIDS[@]}"; do
        for _ in $(seq 1 50); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
        kill -9 "$pid" 2>/dev/null || true
    done
    if [ "$status" -ne 0 ] && [ -n "${E2E_TMP:-}" ] && [ -d "$E2E_TMP" ]; then
        for f in "$E2E_TMP"/*.log "$E2E_TMP"/*.out; do
            [ -f "$f" ] && cp "$f" "$E2E_ARTIFACTS/" 2>/dev/null || true
        done
        e2e_log "artifacts in $E2E_ARTIFACTS"
    fi
    [ -n "${E2E_TMP:-}" ] && rm -rf "$E2E_TMP"
    exit "$status"
}

# Records a background process for the cleanup trap.
e2e_track() { E2E_PIDS+=("$1"); }

# Creates the scenario's temporary folder and gives the programs their own XDG folders, so that
# a scenario never touches the user's settings, autostart entries, client id or instance lock.
e2e_init() {
    E2E_TMP=$(mktemp -d "${TMPDIR:-/tmp}/lumo-e2e-$E2E_SCENARIO.XXXXXX")
    E2E_ARTIFACTS=$LUMO_BINARY_DIR/e2e-artifacts/$E2E_SCENARIO
    rm -rf "$E2E_ARTIFACTS"
    mkdir -p "$E2E_ARTIFACTS"
    trap e2e_cleanup EXIT
    trap 'exit 130' INT TERM
    export XDG_CONFIG_HOME=$E2E_TMP/config XDG_DATA_HOME=$E2E_TMP/data XDG_CACHE_HOME=$E2E_TMP/cache
    export XDG_RUNTIME_DIR=$E2E_TMP/runtime
    mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
    unset XDG_CURRENT_DESKTOP DESKTOP_SESSION WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS
    e2e_record_url_opens
}

# Waits until a command succeeds; false after `timeout` seconds: e2e_wait_until TIMEOUT CMD...
source "$(dirname "${BASH_SOURCE[0]}")/../../../scripts/lib/wait_until.sh"
e2e_wait_until() { wait_until "$@"; }

# Waits up to 30 seconds until `file` holds a line matching `pattern`, else fails the scenario:
# e2e_wait_for_line FILE PATTERN
e2e_wait_for_line() {
    e2e_wait_until 30 grep -q -- "$2" "$1" || e2e_fail "no '$2' in $1: $(cat "$1")"
}

# Runs the rest of the scenario in a network namespace of its own, with only a loopback
# interface, so that the service can take the port of the build's fixed service origin (the
# online page's start page) whatever else runs on the machine. Call it first, with "$@".
# Skips the scenario where no namespace can be made.
e2e_private_network() {
    if [ -z "${E2E_NETNS:-}" ]; then
        local unshare=(unshare -n)
        [ "$(id -u)" -eq 0 ] || unshare=(unshare -r -n)
        "${unshare[@]}" true 2>/dev/null || e2e_skip "no network namespace can be made here"
        E2E_NETNS=1 exec "${unshare[@]}" bash "${BASH_SOURCE[1]}" "$@"
    fi
    ip link set lo up || e2e_fail "cannot bring up the loopback interface"
}

# The port of the service origin the program was built with.
e2e_build_service_port() {
    local origin
    origin=$(sed -n 's/^LUMO_SERVICE_ORIGIN:STRING=//p' "$LUMO_BINARY_DIR/CMakeCache.txt")
    origin=${origin##*:}
    echo "${origin%%/*}"
}

# Starts Xvfb on a display it picks itself and exports DISPLAY.
e2e_start_xvfb() {
    local screen=${1:-1280x800x24}
    local fd_file=$E2E_TMP/xvfb.display
    : >"$fd_file"
    Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp -noreset 3>"$fd_file" 2>"$E2E_TMP/xvfb.log" &
    e2e_track $!
    e2e_wait_until 20 grep -q '[0-9]' "$fd_file" || e2e_fail "Xvfb did not start"
    export DISPLAY=:$(tr -dc '0-9' <"$fd_file")
    e2e_log "Xvfb on $DISPLAY"
}

# Starts a session bus for the scenario (WebKit and GIO like one) when dbus-launch exists.
e2e_start_dbus() {
    command -v dbus-launch >/dev/null || return 0
    local output
    output=$(dbus-launch --sh-syntax)
    eval "$output"
    e2e_track "$DBUS_SESSION_BUS_PID"
}

# Starts a session bus for a scenario that cannot do without one; skips the scenario otherwise.
e2e_require_dbus() {
    e2e_start_dbus
    [ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ] || e2e_skip "no session bus"
}

# Starts trayer, a notification area at the top right, and waits for its window.
e2e_start_trayer() {
    trayer --edge top --align right --widthtype pixel --width 120 --height 28 --SetDockType true \
        --SetPartialStrut true --transparent false --tint 0xffffff >"$E2E_TMP/trayer.log" 2>&1 &
    e2e_track $!
    # The tray selection is taken once the panel ("panel", class "trayer") is mapped.
    e2e_wait_until 20 sh -c 'xdotool search --onlyvisible --class trayer | grep -q .' ||
        e2e_fail "trayer's panel did not appear"
}

# Starts lumora-service on a free loopback port (E2E_SERVICE_PORT, when set, instead); extra
# arguments go to it (--version, --ad, ...).
# Exports SERVICE_PORT, SERVICE_URL (origin), SERVICE_LOG (one line per request) and SERVICE_DB
# (the usage reports).
e2e_start_service() {
    local service=$LUMO_APP_BUILD/lumora-service
    [ -x "$service" ] || e2e_fail "$service is not built"
    # A scenario may run several services; each gets files of its own.
    E2E_SERVICES=$((${E2E_SERVICES:-0} + 1))
    local name=service$([ "$E2E_SERVICES" -eq 1 ] || echo "$E2E_SERVICES")
    SERVICE_LOG=$E2E_TMP/$name.log
    : >"$SERVICE_LOG"
    # The drawn demo pictures are shared by all scenarios of a build.
    "$service" --port "${E2E_SERVICE_PORT:-0}" --port-file "$E2E_TMP/$name.port" --log "$SERVICE_LOG" \
        --cache "$LUMO_BINARY_DIR/service-cache" "$@" >"$E2E_TMP/$name.out" 2>&1 &
    e2e_track $!
    e2e_wait_until 60 test -s "$E2E_TMP/$name.port" || e2e_fail "lumora-service did not start"
    SERVICE_PORT=$(cat "$E2E_TMP/$name.port")
    SERVICE_URL=http://127.0.0.1:$SERVICE_PORT
    SERVICE_DB=${SERVICE_LOG%.log}.db
    export SERVICE_PORT SERVICE_URL SERVICE_LOG SERVICE_DB
    e2e_log "lumora-service at $SERVICE_URL"
}

# Makes an application folder: copies of lumo and LumoUpdate (copies, because the program finds
# its folder through /proc/self/exe, which sees through links), the skin, and a conf.ini whose
# URLs point at the service. Extra "KEY=value" arguments are added to conf.ini.
# Exports APP_DIR.
e2e_make_app_dir() {
    APP_DIR=$E2E_TMP/app
    mkdir -p "$APP_DIR"
    [ -x "$LUMO_APP_BUILD/lumo" ] || e2e_fail "$LUMO_APP_BUILD/lumo is not built"
    cp "$LUMO_APP_BUILD/lumo" "$APP_DIR/"
    [ -x "$LUMO_APP_BUILD/LumoUpdate" ] && cp "$LUMO_APP_BUILD/LumoUpdate" "$APP_DIR/"
    [ -d "$LUMO_APP_BUILD/styles" ] && ln -s "$LUMO_APP_BUILD/styles" "$APP_DIR/styles"
    {
        echo "[MAIN]"
        echo "version=1.0"
        echo "LURL=${SERVICE_URL:-http://127.0.0.1:9}/kavri/lm/lm.php"
        echo "HOMEURL=${SERVICE_URL:-http://127.0.0.1:9}/desk/"
        echo "SURL=${SERVICE_URL:-http://127.0.0.1:9}/desk/index.php?m=search&c=index&a=init&typeid=3&q="
        local setting
        for setting in "$@"; do
            echo "$setting"
        done
    } >"$APP_DIR/conf.ini"
    export APP_DIR
}

# Writes the client id the installer would leave (sent as uid in the usage report).
e2e_write_client_id() {
    mkdir -p "$XDG_CONFIG_HOME/lumora"
    printf '%s\n' "$1" >"$XDG_CONFIG_HOME/lumora/id"
}

# Sets one key of conf.ini in APP_DIR, replacing an earlier value.
e2e_set_conf() {
    local key=$1 value=$2
    grep -v -i "^$key=" "$APP_DIR/conf.ini" >"$APP_DIR/conf.ini.new" || true
    echo "$key=$value" >>"$APP_DIR/conf.ini.new"
    mv "$APP_DIR/conf.ini.new" "$APP_DIR/conf.ini"
}

# Starts lumo from APP_DIR; the optional argument is the current directory to start it in
# (default APP_DIR, a start "from its own folder"). Exports LUMO_PID; output in LUMO_OUT.
e2e_start_lumo() {
    local cwd=${1:-$APP_DIR}
    LUMO_OUT=$E2E_TMP/lumo.out
    (cd "$cwd" && exec "$APP_DIR/lumo") >>"$LUMO_OUT" 2>&1 &
    LUMO_PID=$!
    e2e_track "$LUMO_PID"
    export LUMO_PID LUMO_OUT
}

# Waits for lumo (or the given pid) to end; false when it still runs after `timeout` seconds.
e2e_wait_exit() {
    local pid=${1:-$LUMO_PID} timeout=${2:-20}
    e2e_wait_until "$timeout" sh -c "! kill -0 $pid"
}

# Prints the id of the first window whose name is exactly NAME once it is mapped and visible.
e2e_wait_window() {
    local name=$1 timeout=${2:-30}
    local deadline=$((SECONDS + timeout)) wid
    while [ "$SECONDS" -lt "$deadline" ]; do
        wid=$(xdotool search --onlyvisible --name "^${name}\$" 2>/dev/null | head -n 1) || true
        if [ -n "$wid" ]; then
            echo "$wid"
            return 0
        fi
        sleep 0.2
    done
    return 1
}

# True while a visible window of that exact name exists.
e2e_window_visible() {
    xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1
}

# Prints "X Y WIDTH HEIGHT" of a window in root coordinates.
e2e_window_geometry() {
    local info
    info=$(xwininfo -id "$1")
    echo "$(awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
                 /^ *Width:/ {w=$NF} /^ *Height:/ {h=$NF} END {print x, y, w, h}' <<<"$info")"
}

# Writes a screenshot of the whole screen to FILE (a copy stays in the artifacts).
e2e_screenshot() {
    import -window root "$1"
    cp "$1" "$E2E_ARTIFACTS/" 2>/dev/null || true
}

# The first colour of an ImageMagick "txt:" listing on standard input, as RRGGBB (upper case).
e2e_txt_colour() {
    grep -o '#[0-9A-Fa-f]\{6\}' | head -n 1 | tr -d '#' | tr 'a-f' 'A-F'
}

# Prints the colour of one pixel of a picture file as RRGGBB (upper case).
e2e_pixel() {
    local file=$1 x=$2 y=$3
    convert "$file" -crop "1x1+$x+$y" -depth 8 txt:- | e2e_txt_colour
}

# Prints the colour of one screen pixel as RRGGBB.
e2e_screen_pixel() {
    # Read straight from the grab: a saved crop keeps its offset on the page, and cropping it again
    # at 0,0 would miss it.
    import -window root -crop "1x1+$1+$2" -depth 8 txt:- | e2e_txt_colour
}

# Clicks at root coordinates (button 1 by default). A synchronous move to where the pointer is
# already would wait for a motion that never comes (xdotool gives up after seconds), so the
# pointer is moved only when it is elsewhere.
e2e_click() {
    local X Y SCREEN WINDOW
    eval "$(xdotool getmouselocation --shell)"
    if [ "$X" = "$1" ] && [ "$Y" = "$2" ]; then
        xdotool click "${3:-1}"
    else
        xdotool mousemove --sync "$1" "$2" click "${3:-1}"
    fi
}

# Makes every http and https URL that the programs open with the desktop's default handler land
# in URL_LOG (one line each) instead of a browser.
e2e_record_url_opens() {
    URL_LOG=$E2E_TMP/opened-urls.log
    : >"$URL_LOG"
    local apps=$XDG_DATA_HOME/applications
    mkdir -p "$apps"
    cat >"$E2E_TMP/record-url" <<RECORDER
#!/bin/sh
printf '%s\n' "\$1" >>"$URL_LOG"
RECORDER
    chmod +x "$E2E_TMP/record-url"
    cat >"$apps/lumo-e2e-browser.desktop" <<DESKTOP
[Desktop Entry]
Type=Application
Name=Recording browser
Exec=$E2E_TMP/record-url %u
MimeType=x-scheme-handler/http;x-scheme-handler/https;text/html;
NoDisplay=true
DESKTOP
    cat >"$XDG_CONFIG_HOME/mimeapps.list" <<MIME
[Default Applications]
x-scheme-handler/http=lumo-e2e-browser.desktop
x-scheme-handler/https=lumo-e2e-browser.desktop
text/html=lumo-e2e-browser.desktop
MIME
    export URL_LOG
}

# True when the service log has a line matching the extended regular expression.
e2e_log_has() {
    grep -E -q -- "$1" "$SERVICE_LOG"
}

# Fails unless the service log gets a line matching the pattern within `timeout` seconds.
e2e_expect_request() {
    local pattern=$1 timeout=${2:-20}
    e2e_wait_until "$timeout" e2e_log_has "$pattern" ||
        e2e_fail "no request matching '$pattern' in the service log:$(printf '\n%s' "$(cat "$SERVICE_LOG")")"
}

# Compares two values and fails with a message when they differ.
e2e_expect_eq() {
    [ "$1" = "$2" ] || e2e_fail "${3:-values differ}: expected '$2', got '$1'"
}

# The program's icon in trayer's panel, as "X Y" of its centre; false while there is none. The
# icon is the small window named after its tip, "Lumora", embedded in the panel.
e2e_tray_icon_centre() {
    timeout 5 xwininfo -root -tree | awk '
        /"Lumora"/ && / [0-9]+x[0-9]+\+-?[0-9]+\+-?[0-9]+ +\+-?[0-9]+\+-?[0-9]+$/ {
            split($(NF-1), g, /[x+]/); split($NF, a, /\+/)
            if (g[1] >= 8 && g[1] <= 48 && g[2] >= 8 && g[2] <= 48 && a[2] >= 0) { print a[2] + int(g[1] / 2), a[3] + int(g[2] / 2); found = 1; exit }
        }
        END { exit !found }'
}
e2e_tray_icon_gone() { ! e2e_tray_icon_centre >/dev/null; }
# Clicks the icon in trayer's panel (button 1 by default).
e2e_click_tray_icon() {
    local xy
    xy=$(e2e_tray_icon_centre) || e2e_fail "no icon in the notification area"
    # shellcheck disable=SC2086
    e2e_click $xy "${1:-1}"
}
# Chooses the tray menu's last item, "退出", by keyboard once the menu is up.
e2e_tray_exit() {
    e2e_click_tray_icon 3
    e2e_wait_until 10 sh -c 'xdotool search --onlyvisible --class lumo | while read -r w; do xwininfo -id "$w" | grep -q "Map State: IsViewable" && exit 0; done; exit 1' || true
    sleep 0.5
    xdotool key Up Return
}

# The id of a visible window of the program with the given size ("407x389"); false while there
# is none.
e2e_lumo_window_id() {
    local w
    for w in $(xdotool search --onlyvisible --class lumo 2>/dev/null); do
        xwininfo -id "$w" | grep -q -- "-geometry $1" && { echo "$w"; return 0; }
    done
    return 1
}
# True while a visible window of the program has the given size.
e2e_lumo_window_of_size() { e2e_lumo_window_id "$1" >/dev/null; }

# The texts of the program's message boxes, one "label: TEXT" or "push button: TEXT" line each,
# read over the accessibility bus (a session bus, and NO_AT_BRIDGE unset); nothing without one.
e2e_lumo_texts() { /usr/bin/python3 "$LUMO_SOURCE_DIR/tests/e2e/dialog_text.py" lumo 2>/dev/null || true; }

# The main window: the program's visible 900 x 667 window; false while there is none.
e2e_main_window_id() { e2e_lumo_window_id 900x667; }
e2e_main_window_shown() { e2e_main_window_id >/dev/null; }
e2e_main_window_gone() { ! e2e_main_window_id >/dev/null; }

# Clicks the main window's hide button (1001) and waits until the window has left the screen.
e2e_hide_main_window() {
    local wid x y w h
    wid=$(e2e_main_window_id) || e2e_fail "no main window to hide"
    read -r x y w h <<<"$(e2e_window_geometry "$wid")"
    e2e_click $((x + 853)) $((y + 14))
    e2e_wait_until 10 e2e_main_window_gone || e2e_fail "the hide button left the window on the screen"
}

# Ticks "开机自动运行软件" in the settings dialog, opened from the menu panel of the shown main
# window, and confirms with OK; waits until the dialog has written the autostart entry.
e2e_tick_autostart() {
    local entry=$XDG_CONFIG_HOME/autostart/lumo.desktop x y
    read -r x y _ _ <<<"$(e2e_window_geometry "$(e2e_main_window_id)")"
    local menu_x=$((x + 815)) menu_y=$((y + 12))
    local settings_x=$((x + 450 - 155)) settings_y=$((y + 333 - 180))
    e2e_click "$menu_x" "$menu_y"
    e2e_wait_until 10 e2e_lumo_window_of_size 130x140 || e2e_fail "the menu panel did not open"
    e2e_click $((menu_x - 130 + 60)) $((menu_y + 45 + 13))
    e2e_wait_until 10 e2e_lumo_window_of_size 407x389 || e2e_fail "the settings dialog did not open"
    e2e_click $((settings_x + 43)) $((settings_y + 88))
    e2e_click $((settings_x + 182 + 30)) $((settings_y + 336 + 12))
    e2e_wait_until 10 test -s "$entry" || e2e_fail "OK in the settings dialog did not write $entry"
}
