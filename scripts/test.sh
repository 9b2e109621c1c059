#!/usr/bin/env bash
# Builds everything and runs every test: unit, GUI on the headless host, and end to end under Xvfb.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${LUMO_BUILD_DIR:-$root/build}

bash "$root/scripts/build.sh"
cd "$build"
ctest --output-on-failure -j "$(nproc)" "$@"
