#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs each fuzz target with libFuzzer (clang) for a while and keeps what it finds
# that adds coverage in fuzz/corpus/<target>, which the test suite replays.
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
    corpus=fuzz/corpus/$name
    # libFuzzer also writes every shorter copy of a known input; they go to a scratch
    # folder, and the merge adds to the corpus only those that reach new code.
    found=$build/found/$name
    rm -rf "$found"
    mkdir -p "$corpus" "$found"
    echo "== $name for ${seconds}s"
    "$fuzzer" -max_total_time="$seconds" -max_len=65536 "$found" "$corpus"
    "$fuzzer" -merge=1 -max_len=65536 "$corpus" "$found"
done
