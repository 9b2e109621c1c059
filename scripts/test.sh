#!/usr/bin/env bash
# Builds everything, checks that the C++ files follow .clang-format, and runs every test: unit,
# GUI on the headless host, and end to end under Xvfb; then the unit and GUI tests again under the sanitizers, and the fuzz targets
# (scripts/test-sanitizers.sh). Arguments go to both ctest runs.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${LUMO_BUILD_DIR:-$root/build}

bash "$root/scripts/build.sh"
status=0
bash "$root/scripts/check-format.sh" || status=$?
(cd "$build" && ctest --output-on-failure -j "$(nproc)" "$@") || status=$?
bash "$root/scripts/test-sanitizers.sh" "$@" || status=$?
exit $status
