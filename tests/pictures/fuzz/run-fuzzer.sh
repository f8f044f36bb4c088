#!/bin/sh
# Builds the JPEG fuzzer with clang, when its sources have changed, and runs it for a
# bounded time over the committed seeds. New inputs go to the work folder only.
#   run-fuzzer.sh CLANGXX SOURCE_ROOT WORK_FOLDER SECONDS
set -eu
clangxx=$1
root=$2
work=$3
seconds=$4

fuzzer="$work/picture_fuzzer"
sources="$root/tests/pictures/fuzz/PictureFuzzer.cpp $root/src/pictures/JpegPicture.cpp
    $root/src/pictures/JpegSession.cpp $root/src/model/ProgramError.cpp"
mkdir -p "$work/corpus" "$work/findings"

changed=$(find "$root/src/pictures" "$root/src/model" "$root/tests/pictures/fuzz" -newer "$fuzzer" 2>/dev/null || true)
if [ ! -x "$fuzzer" ] || [ -n "$changed" ]; then
    # shellcheck disable=SC2086 # the source list is split on purpose
    "$clangxx" -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined \
        -fno-sanitize-recover=undefined -I"$root/src" $sources -ljpeg -o "$fuzzer"
fi

# The slowest picture the limits let through, a YCCK one of 4096 × 4096, takes about
# 2 s under the sanitizers, so 10 s for one input is a hang.
exec "$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$work/findings/" "$work/corpus" "$root/tests/pictures/fuzz-corpus"
