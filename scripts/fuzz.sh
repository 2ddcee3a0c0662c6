#!/usr/bin/env bash
# A fuzz campaign over one parser: scripts/fuzz.sh TARGET MINUTES
# TARGET is any target tests/fuzz/CMakeLists.txt builds (qor_add_fuzz).
# Builds the libFuzzer target with clang, ASan and UBSan in build-asan/ (the
# sanitized CI build, scripts/configure-asan.sh), starts
# from the committed corpus (tests/fuzz/corpus/TARGET) plus what earlier
# campaigns found (build-asan/fuzz-corpus/TARGET), and stops after MINUTES.
# Crashing inputs land in build-asan/fuzz-crashes/TARGET/; a crash fails the script.
set -euo pipefail
cd "$(dirname "$0")/.."

# The list comes from the build itself, so a new target cannot be left out.
mapfile -t targets < <(sed -n 's/^ *qor_add_fuzz(\([a-z_0-9]*\) .*/\1/p' tests/fuzz/CMakeLists.txt)
if [ $# -ne 2 ] || [[ ! " ${targets[*]} " == *" $1 "* ]] || ! [[ $2 =~ ^[0-9]+$ ]]; then
  echo "usage: scripts/fuzz.sh TARGET MINUTES   (TARGET: ${targets[*]})" >&2
  exit 2
fi
target=$1
minutes=$2

scripts/configure-asan.sh
cmake --build build-asan --target "fuzz_$target"

work=build-asan/fuzz-corpus/$target
crashes=build-asan/fuzz-crashes/$target
mkdir -p "$work" "$crashes"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/.ci/lsan.supp:print_suppressions=0"
"build-asan/bin/fuzz_$target" "$work" "tests/fuzz/corpus/$target" \
  -max_total_time=$((minutes * 60)) -timeout=20 -rss_limit_mb=2560 \
  -artifact_prefix="$crashes/" -print_final_stats=1
echo "fuzz_$target: no crash in $minutes minutes; corpus in $work"
