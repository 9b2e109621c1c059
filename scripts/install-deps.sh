#!/usr/bin/env bash
# Installs every Debian package Lumora needs to build, run and test. Safe to run again.
set -euo pipefail

packages=(
  build-essential cmake pkg-config ninja-build
  libgtk-3-dev libwebkit2gtk-4.1-dev libcurl4-openssl-dev libx11-dev libglib2.0-dev
  libdbusmenu-glib-dev libcpp-httplib-dev libssl-dev libsqlite3-dev sqlite3
  googletest libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev clang-format
  xvfb xauth xdotool x11-utils x11-apps trayer xfce4-panel imagemagick dbus-x11 at-spi2-core curl
  python3 python3-gi gir1.2-atspi-2.0 iproute2 util-linux
  fonts-wqy-microhei librsvg2-common libjpeg-dev libpng-dev gsettings-desktop-schemas
  desktop-file-utils dex appstream xdg-user-dirs libglib2.0-bin
  xfdesktop4 xfconf pcmanfm-qt pcmanfm sway swaybg grim gjs cinnamon-desktop-data mate-desktop-common
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
