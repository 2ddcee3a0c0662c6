#!/usr/bin/env bash
# Random input through the window: scripts/monkey.sh MINUTES [SEED...]
# Builds qor_monkey in build/ and runs each seed (default: 1 2) for its share
# of MINUTES on the offscreen platform. A fault prints the seed, the event
# number and the last events, and fails the script; replay it with
#   build/bin/qor_monkey --seed N --events E
set -euo pipefail
cd "$(dirname "$0")/.."

if [ $# -lt 1 ] || ! [[ $1 =~ ^[0-9]+$ ]]; then
  echo "usage: scripts/monkey.sh MINUTES [SEED...]" >&2
  exit 2
fi
minutes=$1
shift
seeds=("$@")
[ ${#seeds[@]} -gt 0 ] || seeds=(1 2)

cmake --build build --target qor_monkey
seconds=$(( (minutes * 60 + ${#seeds[@]} - 1) / ${#seeds[@]} ))
for seed in "${seeds[@]}"; do
  QT_QPA_PLATFORM=offscreen build/bin/qor_monkey --seed "$seed" --seconds "$seconds"
done
