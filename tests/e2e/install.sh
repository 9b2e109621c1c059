#!/usr/bin/env bash
# The per-user install in a throw-away home under Xvfb. install.sh puts the program, the skin,
# the `lumo` command, the client id, a valid launcher, the icon in hicolor, valid metainfo and a
# conf.ini for the chosen service with the collection in the user's pictures folder. The
# launcher, started as a menu starts it, shows the window ("runstart"), and so does the `lumo`
# command from elsewhere; with autostart ticked in the settings, the session's start from the
# entry stays hidden with its icon, and uninstalling is refused while it runs. `cmake --install`
# over the install upgrades the program and the skin and keeps conf.ini, the id and the
# pictures; a newer version only changes conf.ini's version. uninstall.sh removes everything but
# the pictures, conf.ini and the client id and says where they are.
source "$(dirname "$0")/lib/common.sh"

e2e_init
export HOME=$E2E_TMP/home
mkdir -p "$HOME"
# The pictures folder has a name of the user's language ($HOME as xdg-user-dir expands it).
printf 'XDG_PICTURES_DIR="$HOME/图片"\n' >"$XDG_CONFIG_HOME/user-dirs.dirs"
command -v appstreamcli >/dev/null || e2e_skip "appstreamcli (appstream) is not installed"
e2e_start_xvfb 1280x1024x24
e2e_start_dbus
e2e_start_trayer
e2e_start_service

APP=$XDG_DATA_HOME/lumora
LAUNCHER=$XDG_DATA_HOME/applications/lumora.desktop
COMMAND=$HOME/.local/bin/lumo
ID_FILE=$XDG_CONFIG_HOME/lumora/id
ENTRY=$XDG_CONFIG_HOME/autostart/lumo.desktop
COLLECTION=$HOME/图片/Lumora
VERSION=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$LUMO_BINARY_DIR/CMakeCache.txt")
install_lumo() {
    LUMO_BUILD_DIR=$LUMO_BINARY_DIR bash "$LUMO_SOURCE_DIR/scripts/install.sh" --no-build "$@"
}

# 1. The install and what it leaves.
install_lumo --service "$SERVICE_URL/" >"$E2E_TMP/install.out" 2>&1 ||
    e2e_fail "install.sh failed: $(cat "$E2E_TMP/install.out")"
for program in lumo LumoUpdate; do
    cmp -s "$APP/$program" "$LUMO_APP_BUILD/$program" || e2e_fail "$APP/$program is not the built one"
    [ -x "$APP/$program" ] || e2e_fail "$APP/$program cannot be run"
done
diff -r "$APP/styles" "$LUMO_APP_BUILD/styles" >/dev/null || e2e_fail "$APP/styles is not the built skin"
expected_conf="[MAIN]
version=$VERSION
LURL=$SERVICE_URL/kavri/lm/lm.php
HOMEURL=$SERVICE_URL/desk/
SURL=$SERVICE_URL/desk/index.php?m=search&c=index&a=init&typeid=3&q=
SCML=$COLLECTION"
e2e_expect_eq "$(cat "$APP/conf.ini")" "$expected_conf" "new conf.ini"
[ -d "$COLLECTION/imgs" ] || e2e_fail "no wallpaper folder $COLLECTION/imgs"
id=$(cat "$ID_FILE")
[[ $id =~ ^[0-9a-f-]{32,36}$ ]] || e2e_fail "the client id is '$id'"
[ -x "$COMMAND" ] || e2e_fail "no command $COMMAND"
desktop-file-validate "$LAUNCHER" || e2e_fail "the launcher is not valid: $(cat "$LAUNCHER")"
e2e_expect_eq "$(grep '^Path=' "$LAUNCHER")" "Path=$APP" "working directory of the launcher"
e2e_expect_eq "$(grep '^Icon=' "$LAUNCHER")" "Icon=lumo" "icon of the launcher"
appstreamcli validate --no-net "$XDG_DATA_HOME/metainfo/org.lumora.lumora.metainfo.xml" \
    >"$E2E_TMP/appstream.out" 2>&1 || e2e_fail "the metainfo is not valid: $(cat "$E2E_TMP/appstream.out")"
# The icon theme of the session finds the icon by the name the launcher and the tray use; the
# scalable one draws at any size.
icons=$XDG_DATA_HOME/icons/hicolor
found=$(/usr/bin/python3 -c '
import sys, gi
gi.require_version("Gtk", "3.0")
gi.require_version("GdkPixbuf", "2.0")
from gi.repository import GdkPixbuf, Gtk
for size in (48, 128, 256):
    print(Gtk.IconTheme.get_default().lookup_icon("lumo", size, 0).get_filename())
svg = GdkPixbuf.Pixbuf.new_from_file_at_size(sys.argv[1], 96, 96)
print(svg.get_width(), svg.get_height())' "$icons/scalable/apps/lumo.svg" 2>&1) ||
    e2e_fail "the icon theme does not find lumo: $found"
e2e_expect_eq "$found" "$icons/48x48/apps/lumo.png
$icons/128x128/apps/lumo.png
$icons/256x256/apps/lumo.png
96 96" "icons the theme finds"

lumo_pid() { pgrep -f -x "$APP/lumo" | head -n 1; }
runstarts() { grep -c "op=getad&uid=$id&mac=[^&]*&stype=runstart&" "$SERVICE_LOG" || true; }
# Waits for the program started from outside, and records it for the cleanup.
track_lumo() {
    e2e_wait_until 20 lumo_pid || e2e_fail "lumo did not start: $(cat "$E2E_TMP/launch.out")"
    LUMO_PID=$(lumo_pid)
    e2e_track "$LUMO_PID"
}
# Ends the program through its tray menu; a shown window goes into the tray first.
exit_lumo() {
    if e2e_main_window_shown; then
        e2e_hide_main_window
        e2e_wait_until 10 e2e_tray_icon_centre || e2e_fail "no icon in the notification area after hiding"
    fi
    e2e_tray_exit
    e2e_wait_exit "$LUMO_PID" 10 || e2e_fail "the program did not end after exit"
    e2e_wait_until 10 e2e_tray_icon_gone || e2e_fail "the icon stayed after exit"
}

# 2. The launcher as the applications menu starts it: the window shows.
mkdir -p "$E2E_TMP/elsewhere"
(cd "$E2E_TMP/elsewhere" && gio launch "$LAUNCHER") >>"$E2E_TMP/launch.out" 2>&1
track_lumo
e2e_expect_eq "$(readlink "/proc/$LUMO_PID/cwd")" "$APP" "current directory of the menu start"
e2e_wait_until 30 e2e_main_window_shown || e2e_fail "the launcher did not show the window"
e2e_expect_request "op=getad&uid=$id&mac=[^&]*&stype=runstart&" 20
wm_class=$(xprop -id "$(e2e_main_window_id)" WM_CLASS)
[[ $wm_class == *'"Lumo"' ]] || e2e_fail "the window's class is not the launcher's StartupWMClass: $wm_class"

# 3. Autostart ticked, the program ended, then the session's start from the entry: hidden.
e2e_tick_autostart
e2e_expect_eq "$(grep '^Exec=' "$ENTRY")" "Exec=\"$APP/lumo\"" "Exec of the autostart entry"
exit_lumo
(cd "$E2E_TMP/elsewhere" && dex "$ENTRY") >>"$E2E_TMP/launch.out" 2>&1
track_lumo
e2e_expect_request "op=getad&uid=$id&mac=[^&]*&stype=autostart&" 20
e2e_wait_until 10 e2e_tray_icon_centre || e2e_fail "no icon after the start from the entry"
sleep 1
e2e_main_window_shown && e2e_fail "the start from the autostart entry showed the window"
bash "$LUMO_SOURCE_DIR/scripts/uninstall.sh" >"$E2E_TMP/uninstall.out" 2>&1 &&
    e2e_fail "uninstall.sh went ahead while the program ran"
[ -x "$APP/lumo" ] && [ -e "$ENTRY" ] || e2e_fail "the refused uninstall removed files"
exit_lumo

# 4. The `lumo` command, run from elsewhere, shows the window too.
before=$(runstarts)
(cd "$E2E_TMP/elsewhere" && "$COMMAND") >>"$E2E_TMP/launch.out" 2>&1 &
track_lumo
e2e_wait_until 30 e2e_main_window_shown || e2e_fail "the lumo command did not show the window"
more_runstarts() { [ "$(runstarts)" -gt "$before" ]; }
e2e_wait_until 20 more_runstarts ||
    e2e_fail "the lumo command's start was not a runstart"
exit_lumo

# 5. Installing again upgrades the program and the skin and keeps settings, id and pictures.
convert -size 64x48 xc:'#3060C0' "$COLLECTION/imgs/sea.jpg"
pictures=$(ls "$COLLECTION/imgs")
cp "$APP/conf.ini" "$E2E_TMP/conf.before"
printf 'old' >"$APP/LumoUpdate"
rm "$APP/styles/bg.png"
cmake --install "$LUMO_BINARY_DIR" >"$E2E_TMP/reinstall.out" 2>&1 ||
    e2e_fail "cmake --install failed: $(cat "$E2E_TMP/reinstall.out")"
cmp -s "$APP/LumoUpdate" "$LUMO_APP_BUILD/LumoUpdate" || e2e_fail "installing again did not upgrade LumoUpdate"
[ -f "$APP/styles/bg.png" ] || e2e_fail "installing again did not bring back the skin"
cmp -s "$APP/conf.ini" "$E2E_TMP/conf.before" || e2e_fail "installing again changed conf.ini: $(cat "$APP/conf.ini")"
e2e_expect_eq "$(cat "$ID_FILE")" "$id" "client id after installing again"
e2e_expect_eq "$(ls "$COLLECTION/imgs")" "$pictures" "pictures after installing again"
# From an older version: only the version changes, line ends and comments stay.
printf '[main]\r\n; mine\r\nVersion = 0.9\r\nSCML=%s\r\n' "$COLLECTION" >"$APP/conf.ini"
install_lumo --service http://127.0.0.1:9 >"$E2E_TMP/upgrade.out" 2>&1 ||
    e2e_fail "install.sh over an older version failed: $(cat "$E2E_TMP/upgrade.out")"
e2e_expect_eq "$(od -c "$APP/conf.ini")" "$(printf '[main]\r\n; mine\r\nVersion=%s\r\nSCML=%s\r\n' "$VERSION" "$COLLECTION" | od -c)" \
    "conf.ini of an older version after the upgrade"
grep -q 'applies to a new conf.ini only' "$E2E_TMP/upgrade.out" ||
    e2e_fail "the upgrade did not say that --service was not applied: $(cat "$E2E_TMP/upgrade.out")"
e2e_expect_eq "$(cat "$ID_FILE")" "$id" "client id after the upgrade"

# 6. Uninstall: the pictures and conf.ini stay, everything else goes.
mkdir -p "$APP/imgs"
convert -size 8x8 xc:red "$APP/imgs/mine.png"
bash "$LUMO_SOURCE_DIR/scripts/uninstall.sh" >"$E2E_TMP/uninstall.out" 2>&1 ||
    e2e_fail "uninstall.sh failed: $(cat "$E2E_TMP/uninstall.out")"
for gone in "$APP/lumo" "$APP/LumoUpdate" "$APP/styles" "$COMMAND" "$LAUNCHER" "$ENTRY" \
    "$XDG_DATA_HOME/metainfo/org.lumora.lumora.metainfo.xml" "$XDG_DATA_HOME/icons/hicolor/48x48/apps/lumo.png" \
    "$XDG_DATA_HOME/icons/hicolor/scalable/apps/lumo.svg"; do
    [ ! -e "$gone" ] || e2e_fail "$gone is still there after uninstalling"
done
e2e_expect_eq "$(ls "$COLLECTION/imgs")" "$pictures" "pictures after uninstalling"
[ -f "$APP/imgs/mine.png" ] || e2e_fail "uninstalling removed the pictures in the program's folder"
[ -f "$APP/conf.ini" ] || e2e_fail "uninstalling removed conf.ini"
e2e_expect_eq "$(cat "$ID_FILE")" "$id" "client id after uninstalling"
for said in "$COLLECTION/imgs" "$APP/imgs" "$APP/conf.ini" "$ID_FILE"; do
    grep -qF "$said" "$E2E_TMP/uninstall.out" || e2e_fail "uninstall.sh did not say where $said is: $(cat "$E2E_TMP/uninstall.out")"
done
e2e_log "install checks passed"
