#!/usr/bin/env bash
# Configures build-asan/: clang with ASan + UBSan (-fno-sanitize-recover=undefined),
# the libFuzzer targets on, the benchmarks off. Shared by .ci/run (the sanitized
# suite) and scripts/fuzz.sh (the campaigns), so each reuses the other's build.
set -euo pipefail
cd "$(dirname "$0")/.."
[ -f build-asan/build.ninja ] && exit 0
sanitize="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_C_FLAGS="$sanitize" -DCMAKE_CXX_FLAGS="$sanitize" \
  -DCMAKE_C_FLAGS_RELWITHDEBINFO="-O1 -g" -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g" \
  -DCMAKE_EXE_LINKER_FLAGS="$sanitize" -DCMAKE_SHARED_LINKER_FLAGS="$sanitize" \
  -DQOR_FUZZ=ON -DQOR_BENCHMARKS=OFF
