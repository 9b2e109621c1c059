#!/usr/bin/env bash
# Installs the dependencies, then configures and builds everything into build/ (or $LUMO_BUILD_DIR)
# with warnings as errors. LUMO_BUILD_TYPE picks the build type (default RelWithDebInfo).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${LUMO_BUILD_DIR:-$root/build}

bash "$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE="${LUMO_BUILD_TYPE:-RelWithDebInfo}" \
    -DLUMO_WERROR=ON >/dev/null
cmake --build "$build" -j "$(nproc)"
