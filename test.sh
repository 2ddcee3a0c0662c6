#!/usr/bin/env bash
# Sets everything up, builds and runs every test (GUI tests run offscreen).
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
cmake --build build
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j2 "$@"

# The sources keep the repo's formatting (scripts/format.sh rewrites them).
scripts/format.sh --check
