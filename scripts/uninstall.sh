#!/usr/bin/env bash
# Removes the per-user install of Lumora that scripts/install.sh made: the program and its skin,
# the `lumo` command, the launcher, the icon, the metainfo and the autostart entry. The user's
# pictures and settings (conf.ini) stay, and so does the client id, which belongs to the user
# rather than to one install; it says where they are.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/lib/install-paths.sh"

usage() {
    cat <<USAGE
usage: $0 [--prefix DIR]

  --prefix DIR   remove an install made with install.sh --prefix DIR
USAGE
}

fail() {
    echo "uninstall: $*" >&2
    exit 1
}

prefix=
while [ $# -gt 0 ]; do
    case $1 in
    --prefix) [ $# -ge 2 ] || fail "--prefix needs a folder"; prefix=$2; shift 2 ;;
    --prefix=*) prefix=${1#*=}; shift ;;
    -h | --help) usage; exit 0 ;;
    *) usage >&2; exit 2 ;;
    esac
done
lumo_install_paths "$prefix"

[ -e "$LUMO_APP_DIR/lumo" ] || [ -e "$LUMO_LAUNCHER" ] || fail "Lumora is not installed in $LUMO_APP_DIR"
if pid=$(lumo_running_pid); then
    fail "Lumora is running (process $pid); end it first with 退出 in its menu, then uninstall"
fi

# The autostart entry is the program's when it starts this copy; another copy's stays.
if [ -e "$LUMO_AUTOSTART" ]; then
    if grep -qxF "Exec=$(lumo_exec_value "$LUMO_APP_DIR/lumo")" "$LUMO_AUTOSTART"; then
        rm -f "$LUMO_AUTOSTART"
    else
        echo "uninstall: kept $LUMO_AUTOSTART: it starts another copy of Lumora" >&2
    fi
fi

# The `lumo` command only when it is the one the installer wrote for this folder.
if [ -f "$LUMO_COMMAND" ] && [ "$(cat "$LUMO_COMMAND")" = "$(lumo_command_text)" ]; then
    rm -f "$LUMO_COMMAND"
fi
rm -f "$LUMO_LAUNCHER" "$LUMO_METAINFO"
removed_icon=0
for icon in "$LUMO_ICON_THEME"/*/apps/lumo.png "$LUMO_ICON_THEME"/*/apps/lumo.svg; do
    [ -e "$icon" ] || continue
    rm -f "$icon"
    # The size's folders go when nothing else is left in them.
    rmdir "$(dirname "$icon")" "$(dirname "$(dirname "$icon")")" 2>/dev/null || true
    removed_icon=1
done
if [ "$removed_icon" -eq 1 ] && [ -d "$LUMO_ICON_THEME" ]; then
    if [ -f "$LUMO_ICON_THEME/icon-theme.cache" ] && command -v gtk-update-icon-cache >/dev/null; then
        gtk-update-icon-cache -q -t -f "$LUMO_ICON_THEME" || true
    fi
    touch "$LUMO_ICON_THEME"
fi

conf=$LUMO_APP_DIR/conf.ini
collection=
[ -f "$conf" ] && collection=$(lumo_ini_value "$conf" SCML)
collection=${collection:-$LUMO_APP_DIR}
rm -rf "$LUMO_APP_DIR/lumo" "$LUMO_APP_DIR/LumoUpdate" "$LUMO_APP_DIR/styles" \
    "$LUMO_APP_DIR/.styles.new" "$LUMO_APP_DIR/.styles.old"
rmdir "$LUMO_APP_DIR" 2>/dev/null || true

echo "Lumora is uninstalled."
# The collection, and the program's own folder, where pictures lie by default.
folders=("$collection/imgs")
[ "$collection" = "$LUMO_APP_DIR" ] || folders+=("$LUMO_APP_DIR/imgs")
kept=0
for folder in "${folders[@]}"; do
    if [ -d "$folder" ]; then
        echo "  Your pictures are still in $folder"
        kept=1
    fi
done
if [ -f "$conf" ]; then
    echo "  Your settings are still in $conf"
    kept=1
fi
if [ -f "$LUMO_ID_FILE" ]; then
    echo "  Your client id is still in $LUMO_ID_FILE"
    kept=1
fi
if [ "$kept" -eq 1 ]; then
    echo "  Delete them yourself when you no longer want them; a new install uses them again."
fi
