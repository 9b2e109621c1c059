#!/usr/bin/env bash
# Builds Lumora and starts it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${LUMO_BUILD_DIR:-$root/build}

bash "$root/scripts/build.sh"
exec "$build/app/lumo"
