#!/usr/bin/env bash
# Sets everything up, builds and starts QOR Алхимия with the bundled data.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
cmake --build build
if [ ! -x build/bin/qor-alchemy ]; then
  echo "The desktop program is not built yet; a demo search with the command-line tool:"
  exec build/bin/qor-alchemy-cli search-effects --effect 1:1 --count 2
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display found: QOR Алхимия is a desktop program and needs one." >&2
  echo "On a machine without a screen, run it under a virtual display:" >&2
  echo "  apt-get install xvfb && xvfb-run -s '-screen 0 1280x1024x24' build/bin/qor-alchemy" >&2
  exit 1
fi
exec build/bin/qor-alchemy "$@"
