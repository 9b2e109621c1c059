#!/usr/bin/env bash
# Fails when a tracked C++ file does not follow the repository's .clang-format.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
echo "format: every C++ file follows .clang-format"
