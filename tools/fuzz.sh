#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs each fuzz target with libFuzzer (clang) for a while and keeps what it finds
# in fuzz/corpus/<target>, which the test suite replays.
#   tools/fuzz.sh [seconds per target, default 300]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-300}
build=build/fuzz
[ -f "$build/build.ninja" ] || cmake --preset fuzz
cmake --build --preset fuzz
export QT_QPA_PLATFORM=offscreen
for fuzzer in "$build"/fuzz/*_fuzzer; do
    name=$(basename "$fuzzer" _fuzzer)
    mkdir -p "fuzz/corpus/$name"
    echo "== $name for ${seconds}s"
    "$fuzzer" -max_total_time="$seconds" -max_len=65536 "fuzz/corpus/$name"
done
