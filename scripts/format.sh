#!/usr/bin/env bash
# Formats the C++ sources with the repo's .clang-format.
#   scripts/format.sh          rewrites the files in place
#   scripts/format.sh --check  changes nothing; fails and lists the files that differ
set -euo pipefail
cd "$(dirname "$0")/.."
command -v clang-format >/dev/null || { echo "clang-format is not installed (scripts/setup.sh installs it)" >&2; exit 2; }

mapfile -d '' files < <(find src tests bench tools \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z)

if [ "${1:-}" = "--check" ]; then
  clang-format --dry-run --Werror "${files[@]}"
else
  clang-format -i "${files[@]}"
fi
