#!/usr/bin/env bash
# tools/fuzz.sh SECONDS: builds the image fuzzer with clang in build-fuzz,
# seeds it with the demo images, fuzzes for SECONDS and fails on any crash,
# sanitizer report or broken invariant. The corpus grows in
# build-fuzz/fuzz-corpus and is reused by the next run; a crashing input is
# kept in build-fuzz/fuzz-artifacts.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVOLMAREN_GUI=OFF -DVOLMAREN_TESTS=ON -DVOLMAREN_FUZZ=ON -DVOLMAREN_SANITIZE=ON \
    -DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link
cmake --build build-fuzz --parallel "$(nproc)" --target volmaren_image_fuzzer volmaren-cli

corpus=build-fuzz/fuzz-corpus
artifacts=build-fuzz/fuzz-artifacts
mkdir -p "$corpus" "$artifacts"
cli=build-fuzz/tools/volmaren-cli
"$cli" demo "$corpus/seed-demo.dat"
"$cli" demo "$corpus/seed-full.dat" --full
# The small layout is the large one's tail from 0x40000 on.
tail -c +$((0x40000 + 1)) "$corpus/seed-demo.dat" > "$corpus/seed-small.dat"
# Scripts alone run on the built-in demo image.
printf '\x00\x01\x02\x03\x05\x07\x08\x09\x0a' > "$corpus/seed-script.dat"

# Room for a whole large image followed by its operation script.
max_len=$((0xA0800 + 4096))
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    build-fuzz/tests/fuzz/volmaren_image_fuzzer "$corpus" \
    -max_total_time="$seconds" -max_len="$max_len" -timeout=30 -rss_limit_mb=4096 \
    -artifact_prefix="$artifacts/" -print_final_stats=1
