#!/usr/bin/env bash
# Installs Lumora for the current user: builds through build.sh (into build/ or $LUMO_BUILD_DIR),
# then puts the program into ~/.local/share/lumora (or $XDG_DATA_HOME/lumora) with a launcher in
# the applications menu, the icon, AppStream metainfo and a `lumo` command in ~/.local/bin.
# Installing again upgrades the program and the skin and keeps the settings (conf.ini), the
# client id and the pictures. `cmake --install BUILD_FOLDER` runs it with --no-build.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${LUMO_BUILD_DIR:-$root/build}
source "$root/scripts/lib/install-paths.sh"

usage() {
    cat <<USAGE
usage: $0 [--service URL] [--prefix DIR] [--no-build]

  --service URL  the service the program talks to, as scheme, host and port, e.g.
                 https://wallpapers.example.org; written into a new conf.ini only
  --prefix DIR   install under DIR/share and DIR/bin instead of the XDG data folder and
                 ~/.local/bin
  --no-build     install what the build folder holds without building first
USAGE
}

fail() {
    echo "install: $*" >&2
    exit 1
}

service=
prefix=
build_first=1
while [ $# -gt 0 ]; do
    case $1 in
    --service) [ $# -ge 2 ] || fail "--service needs a URL"; service=$2; shift 2 ;;
    --service=*) service=${1#*=}; shift ;;
    --prefix) [ $# -ge 2 ] || fail "--prefix needs a folder"; prefix=$2; shift 2 ;;
    --prefix=*) prefix=${1#*=}; shift ;;
    --no-build) build_first=0; shift ;;
    -h | --help) usage; exit 0 ;;
    *) usage >&2; exit 2 ;;
    esac
done

# The program cuts every value it reads from conf.ini at 259 bytes.
max_value=259
byte_length() {
    local LC_ALL=C
    echo "${#1}"
}

# A desktop entry can carry neither control characters nor text that is not UTF-8.
desktop_safe() {
    ! printf '%s' "$1" | LC_ALL=C grep -q '[[:cntrl:]]' &&
        printf '%s' "$1" | iconv -f UTF-8 -t UTF-8 >/dev/null 2>&1
}

if [ -n "$service" ]; then
    service=${service%/}
    case $service in
    http://?* | https://?*) ;;
    *) fail "--service wants an http:// or https:// URL, not '$service'" ;;
    esac
    case $service in
    *[[:space:]?#\"\'\<\>\\]*) fail "--service wants a URL without blanks, quotes, '?' or '#': '$service'" ;;
    esac
    # The three URLs on the service, the search page's the longest.
    service_url=$service/kavri/lm/lm.php
    home_url=$service/desk/
    search_url="$service/desk/index.php?m=search&c=index&a=init&typeid=3&q="
    [ "$(byte_length "$search_url")" -le "$max_value" ] ||
        fail "--service is too long: the program reads at most $max_value bytes of each URL"
fi

if [ "$build_first" -eq 1 ]; then
    bash "$root/scripts/build.sh"
fi

lumo_install_paths "$prefix"
desktop_safe "$LUMO_APP_DIR" ||
    fail "cannot install into '$LUMO_APP_DIR': a launcher cannot name a folder with control characters or text that is not UTF-8"

app=$build/app
for built in "$app/lumo" "$app/LumoUpdate" "$app/styles/bg.png" "$build/icons/hicolor" \
    "$build/share/metainfo"; do
    [ -e "$built" ] || fail "$built is missing: build first (scripts/build.sh or cmake --build $build)"
done
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[ -n "$version" ] || fail "no project version in $build/CMakeCache.txt"

# The program: each file replaced by a rename, so a running copy keeps its own until it ends.
mkdir -p "$LUMO_APP_DIR"
for program in lumo LumoUpdate; do
    cp "$app/$program" "$LUMO_APP_DIR/.$program.new"
    mv -f "$LUMO_APP_DIR/.$program.new" "$LUMO_APP_DIR/$program"
done
rm -rf "$LUMO_APP_DIR/.styles.new" "$LUMO_APP_DIR/.styles.old"
cp -R "$app/styles" "$LUMO_APP_DIR/.styles.new"
[ ! -e "$LUMO_APP_DIR/styles" ] || mv "$LUMO_APP_DIR/styles" "$LUMO_APP_DIR/.styles.old"
mv "$LUMO_APP_DIR/.styles.new" "$LUMO_APP_DIR/styles"
rm -rf "$LUMO_APP_DIR/.styles.old"

# conf.ini: a new one names the version, the service when one was given, and a collection in
# the user's pictures folder. An existing one is the user's: only its version follows the
# program, so that the update check compares against what is installed.
conf=$LUMO_APP_DIR/conf.ini
pictures_folder() {
    local folder=
    command -v xdg-user-dir >/dev/null && folder=$(xdg-user-dir PICTURES 2>/dev/null || true)
    # Without a pictures folder of its own xdg-user-dir names the home folder.
    case $folder in
    /*) [ "${folder%/}" != "${HOME%/}" ] || folder=$HOME/Pictures ;;
    *) folder=$HOME/Pictures ;;
    esac
    printf '%s' "${folder%/}"
}
if [ ! -e "$conf" ]; then
    collection=$(pictures_folder)/Lumora
    {
        printf '[MAIN]\nversion=%s\n' "$version"
        if [ -n "$service" ]; then
            printf 'LURL=%s\nHOMEURL=%s\nSURL=%s\n' "$service_url" "$home_url" "$search_url"
        fi
        if [ "$(byte_length "$collection")" -le "$max_value" ]; then
            printf 'SCML=%s\n' "$collection"
        fi
    } >"$conf.new"
    mv "$conf.new" "$conf"
    if [ "$(byte_length "$collection")" -le "$max_value" ]; then
        mkdir -p "$collection/imgs"
    else
        echo "install: the pictures folder's path is too long for conf.ini; pictures stay in $LUMO_APP_DIR/imgs" >&2
    fi
else
    [ -z "$service" ] ||
        echo "install: kept the settings in $conf; --service applies to a new conf.ini only (change LURL, HOMEURL and SURL there)" >&2
    # Replaces the value of the first version key of the first MAIN section, keeping the rest
    # of the file byte for byte; adds the key (and the section) when missing.
    awk -v version="$version" '
        { line = $0; cr = sub(/\r$/, "", line) ? "\r" : ""; bare = line; if (NR == 1) sub(/^\xEF\xBB\xBF/, "", bare) }
        bare ~ /^[ \t]*\[/ {
            name = bare; sub(/^[ \t]*\[[ \t]*/, "", name); sub(/[ \t]*\].*$/, "", name)
            if (inMain && !done) { print "version=" version eol; done = 1 }
            inMain = tolower(name) == "main" && !mainSeen
            if (inMain) { mainSeen = 1; eol = cr }
            print; next
        }
        inMain && !done && bare !~ /^[ \t]*;/ && index(bare, "=") {
            key = substr(bare, 1, index(bare, "=") - 1); gsub(/^[ \t]+|[ \t]+$/, "", key)
            if (tolower(key) == "version") { print key "=" version cr; done = 1; next }
        }
        { print }
        END {
            if (inMain && !done) print "version=" version eol
            else if (!mainSeen) printf "[MAIN]\nversion=%s\n", version
        }' "$conf" >"$conf.new"
    if cmp -s "$conf" "$conf.new"; then
        rm -f "$conf.new"
    else
        mv "$conf.new" "$conf"
    fi
fi

# The client id: made once, never changed.
if [ ! -s "$LUMO_ID_FILE" ]; then
    mkdir -p "$(dirname "$LUMO_ID_FILE")"
    if [ -r /proc/sys/kernel/random/uuid ]; then
        cat /proc/sys/kernel/random/uuid >"$LUMO_ID_FILE.new"
    else
        od -An -N16 -tx1 /dev/urandom | tr -d ' \n' >"$LUMO_ID_FILE.new"
        echo >>"$LUMO_ID_FILE.new"
    fi
    mv "$LUMO_ID_FILE.new" "$LUMO_ID_FILE"
fi

mkdir -p "$LUMO_BIN_DIR"
lumo_command_text >"$LUMO_COMMAND.new"
chmod 755 "$LUMO_COMMAND.new"
mv -f "$LUMO_COMMAND.new" "$LUMO_COMMAND"

# The launcher. Path, the working directory, makes a start from the menu a start from the
# program's folder, which shows the window.
launcher=$(
    cat <<DESKTOP
[Desktop Entry]
Type=Application
Name=Lumora
Name[zh_CN]=Lumora 壁纸
GenericName=Wallpaper Manager
GenericName[zh_CN]=桌面壁纸
Comment=Browse an online wallpaper library, keep your own collection and change the wallpaper automatically
Comment[zh_CN]=在线壁纸库、我的壁纸和自动换壁纸
Exec=$(lumo_exec_value "$LUMO_APP_DIR/lumo")
Path=${LUMO_APP_DIR//\\/\\\\}
Icon=lumo
Terminal=false
Categories=Graphics;
Keywords=wallpaper;background;desktop;壁纸;
StartupNotify=true
StartupWMClass=Lumo
DESKTOP
)
if command -v desktop-file-validate >/dev/null; then
    # The validator wants the file's own name to end in .desktop.
    check=$(mktemp -d)
    printf '%s\n' "$launcher" >"$check/lumora.desktop"
    desktop-file-validate "$check/lumora.desktop" || fail "the launcher for $LUMO_APP_DIR is not valid"
    rm -rf "$check"
fi
mkdir -p "$(dirname "$LUMO_LAUNCHER")"
printf '%s\n' "$launcher" >"$LUMO_LAUNCHER.new"
mv -f "$LUMO_LAUNCHER.new" "$LUMO_LAUNCHER"

# The icon in the hicolor theme under the name the launcher and the notification icon ask for.
(cd "$build/icons/hicolor" && find . -type f) | while read -r icon; do
    mkdir -p "$(dirname "$LUMO_ICON_THEME/$icon")"
    cp "$build/icons/hicolor/$icon" "$LUMO_ICON_THEME/$icon"
done
# A theme cache that does not know the new files would hide them.
if [ -f "$LUMO_ICON_THEME/icon-theme.cache" ] && command -v gtk-update-icon-cache >/dev/null; then
    gtk-update-icon-cache -q -t -f "$LUMO_ICON_THEME" || true
fi
touch "$LUMO_ICON_THEME"

mkdir -p "$LUMO_METAINFO_DIR"
cp "$build/share/metainfo/$(basename "$LUMO_METAINFO")" "$LUMO_METAINFO"

collection=$(lumo_ini_value "$conf" SCML)
echo "Lumora $version is installed in $LUMO_APP_DIR."
echo "  Start it from the applications menu or with: $LUMO_COMMAND"
echo "  Settings: $conf"
echo "  Pictures: ${collection:-$LUMO_APP_DIR}/imgs"
case ":$PATH:" in
*":$LUMO_BIN_DIR:"*) ;;
*) echo "  ($LUMO_BIN_DIR is not on your PATH; the launcher works all the same.)" ;;
esac
