# shellcheck shell=bash
# Where a per-user install of Lumora lies and what it writes; sourced by install.sh and
# uninstall.sh, so that the two always agree. Call lumo_install_paths [PREFIX]: with a prefix P
# (relative to the current directory unless absolute) the files go under P/share and P/bin,
# otherwise into the user's XDG data folder and ~/.local/bin.

# Replacement texts below are literal: "&" in them is no reference to the match.
shopt -u patsub_replacement 2>/dev/null || true

# The XDG rules ignore a relative folder in these variables.
lumo_xdg_folder() {
    case ${1:-} in
    /*) printf '%s' "$1" ;;
    *) printf '%s' "$2" ;;
    esac
}

lumo_install_paths() {
    local prefix=${1:-}
    case ${HOME:-} in
    /*) ;;
    *)
        echo "HOME is not set to a folder; cannot tell where to install for this user" >&2
        return 1
        ;;
    esac
    if [ -n "$prefix" ]; then
        case $prefix in
        /*) prefix=${prefix%/} ;;
        *) prefix=$(pwd)/$prefix ;;
        esac
        LUMO_DATA_HOME=$prefix/share
        LUMO_BIN_DIR=$prefix/bin
    else
        LUMO_DATA_HOME=$(lumo_xdg_folder "${XDG_DATA_HOME:-}" "$HOME/.local/share")
        LUMO_BIN_DIR=$HOME/.local/bin
    fi
    LUMO_CONFIG_HOME=$(lumo_xdg_folder "${XDG_CONFIG_HOME:-}" "$HOME/.config")
    # The program's own folder: it writes conf.ini beside its executable.
    LUMO_APP_DIR=$LUMO_DATA_HOME/lumora
    LUMO_COMMAND=$LUMO_BIN_DIR/lumo
    LUMO_LAUNCHER=$LUMO_DATA_HOME/applications/lumora.desktop
    LUMO_ICON_THEME=$LUMO_DATA_HOME/icons/hicolor
    LUMO_METAINFO_DIR=$LUMO_DATA_HOME/metainfo
    LUMO_METAINFO=$LUMO_METAINFO_DIR/org.lumora.lumora.metainfo.xml
    # The client id (sent with every service request) and the entry the settings dialog writes.
    LUMO_ID_FILE=$LUMO_CONFIG_HOME/lumora/id
    LUMO_AUTOSTART=$LUMO_CONFIG_HOME/autostart/lumo.desktop
}

# The value of a key of section MAIN in an INI file, as the program reads it: names without
# regard to case, blanks around the value dropped, the first such key of the first such section
# counts. Nothing when absent.
lumo_ini_value() {
    awk -v want="$(printf '%s' "$2" | tr 'A-Z' 'a-z')" '
        { line = $0; sub(/\r$/, "", line); if (NR == 1) sub(/^\xEF\xBB\xBF/, "", line) }
        line ~ /^[ \t]*\[/ {
            name = line; sub(/^[ \t]*\[[ \t]*/, "", name); sub(/[ \t]*\].*$/, "", name)
            inMain = tolower(name) == "main" && !mainSeen; if (inMain) mainSeen = 1; next
        }
        inMain && line !~ /^[ \t]*;/ && index(line, "=") {
            key = substr(line, 1, index(line, "=") - 1); gsub(/^[ \t]+|[ \t]+$/, "", key)
            if (tolower(key) == want) {
                value = substr(line, index(line, "=") + 1); gsub(/^[ \t]+|[ \t]+$/, "", value)
                print value; exit
            }
        }' "$1" 2>/dev/null || true
}

# The Exec value of a desktop entry that runs PROGRAM, as the program writes it for its autostart
# entry: one argument in double quotes (quotes, backquotes, dollars and backslashes escaped,
# percent signs doubled), then the backslashes of the whole value escaped once more.
lumo_exec_value() {
    local quoted=${1//\\/\\\\}
    quoted=${quoted//\"/\\\"}
    quoted=${quoted//\`/\\\`}
    quoted=${quoted//\$/\\\$}
    quoted=\"${quoted//%/%%}\"
    printf '%s' "${quoted//\\/\\\\}"
}

# The `lumo` command: starts the program from its own folder, as the launcher does, so that a
# start from a terminal shows the window too.
lumo_command_text() {
    local dir=${LUMO_APP_DIR//\'/\'\\\'\'}
    echo '#!/bin/sh'
    echo '# Starts Lumora from its own folder, so that it shows its window. Written by its installer.'
    echo "cd '$dir' && exec '$dir/lumo' \"\$@\""
}

# The id of the process that runs the installed program, if one does.
lumo_running_pid() {
    local exe proc
    for exe in /proc/[0-9]*/exe; do
        if [ "$(readlink "$exe" 2>/dev/null)" = "$LUMO_APP_DIR/lumo" ]; then
            proc=${exe%/exe}
            echo "${proc#/proc/}"
            return 0
        fi
    done
    return 1
}
