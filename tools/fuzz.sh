#!/usr/bin/env bash
# tools/fuzz.sh SECONDS: builds the fuzzers with clang in build-fuzz, seeds
# them, fuzzes for SECONDS in all and fails on any crash, sanitizer report or
# broken invariant. The time goes 25% to the image fuzzer (the editor's
# operations on patched images), 15% each to the channel list reader, the
# image check and repair, the comparison of two patched images with the
# taking of its differences, and each transponder list reader
# (satellites.xml and dvbv5 channel files, with the updates they make). Each
# corpus grows in build-fuzz/corpus/NAME and is reused by the next run; a
# crashing input is kept in build-fuzz/fuzz-artifacts.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVOLMAREN_GUI=OFF -DVOLMAREN_TESTS=ON -DVOLMAREN_FUZZ=ON -DVOLMAREN_SANITIZE=ON \
    -DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link
cmake --build build-fuzz --parallel "$(nproc)" \
    --target volmaren_image_fuzzer volmaren_csv_fuzzer volmaren_check_fuzzer volmaren_compare_fuzzer \
    volmaren_satellites_xml_fuzzer volmaren_dvb_channels_fuzzer volmaren-cli

corpus=build-fuzz/corpus
artifacts=build-fuzz/fuzz-artifacts
mkdir -p "$corpus/image" "$corpus/csv" "$corpus/check" "$corpus/compare" "$corpus/satellites_xml" \
    "$corpus/dvb_channels" "$artifacts"

# Image inputs: base, patch count, patches, then the operation script.
printf '\x00\x00\x00\x01\x02\x03\x05\x07\x08\x09\x0a' > "$corpus/image/seed-demo"
printf '\x18\x00\x00\x03\x02\x05' > "$corpus/image/seed-small"
printf '\x1f\x00\x01\x01\x03\x02' > "$corpus/image/seed-full"
printf '\x00\x02\x00\x05\x00\x00\x02\xb7\x0f\x03\x02\x00\x00\x01\xff' > "$corpus/image/seed-patched"
cp "$corpus"/image/seed-* "$corpus/check/"
# Comparison inputs: the patches of ours, of theirs, then the bits that choose
# the differences taken first.
printf '\x00\x00\x00\x00' > "$corpus/compare/seed-same"
printf '\x00\x00\x00\x01\x00\x05\x00\x0f\x02XYZ\x55' > "$corpus/compare/seed-renamed"
printf '\x00\x00\x1c\x00\xaa' > "$corpus/compare/seed-blank"
printf '\x18\x00\x00\x02\x03\x07\x00\x04\x01\x10\x27\x04\x02\x00\x14\x01\x01\x00' > "$corpus/compare/seed-small"
cli=build-fuzz/tools/volmaren-cli
"$cli" demo build-fuzz/seed-demo.dat
"$cli" export build-fuzz/seed-demo.dat "$corpus/csv/seed-demo.csv" 2> /dev/null
head -n 4 "$corpus/csv/seed-demo.csv" > "$corpus/csv/seed-short.csv"
"$cli" export-transponders build-fuzz/seed-demo.dat "$corpus/satellites_xml/seed-demo.xml" 2> /dev/null
printf '[A]\nDELIVERY_SYSTEM = DVBS\nFREQUENCY = 10744000\nPOLARIZATION = LEFT\nSYMBOL_RATE = 22000000\n' \
    > "$corpus/dvb_channels/seed-one"

run() {
    local name=$1 share=$2 max_len=$3
    shift 3
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        "build-fuzz/tests/fuzz/volmaren_${name}_fuzzer" "$corpus/$name" \
        -max_total_time=$((seconds * share / 100 > 0 ? seconds * share / 100 : 1)) -max_len="$max_len" \
        -timeout=30 -rss_limit_mb=4096 -artifact_prefix="$artifacts/$name-" -print_final_stats=1 "$@"
}
run image 25 1024
run csv 15 65536 -dict=tests/fuzz/csv.dict
run check 15 256
run compare 15 512
run satellites_xml 15 65536 -dict=tests/fuzz/satellites_xml.dict
run dvb_channels 15 16384 -dict=tests/fuzz/dvb_channels.dict
