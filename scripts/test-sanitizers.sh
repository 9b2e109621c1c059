#!/usr/bin/env bash
# The checking build: the unit and GUI tests built by clang with AddressSanitizer and
# UndefinedBehaviorSanitizer, and the fuzz targets, into build-sanitize/ (or
# $LUMO_SANITIZE_BUILD_DIR); then all of them run. Arguments go to ctest.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${LUMO_SANITIZE_BUILD_DIR:-$root/build-sanitize}

bash "$root/scripts/install-deps.sh"
# The test binaries also run while building (the test list is read from them).
export LSAN_OPTIONS="suppressions=$root/tests/sanitizers/lsan.supp:print_suppressions=0"
flags="-O1 -gline-tables-only"
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_FLAGS_RELWITHDEBINFO="$flags" -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="$flags" \
  -DLUMO_SANITIZE=ON -DLUMO_FUZZ=ON >/dev/null
started=$SECONDS
cmake --build "$build" -j "$(nproc)" --target sanitizer_checks
built=$SECONDS
cd "$build"
status=0
ctest --output-on-failure -j "$(nproc)" "$@" || status=$?
echo "sanitizer build: $((built - started)) s, tests and fuzz runs: $((SECONDS - built)) s"
exit $status
