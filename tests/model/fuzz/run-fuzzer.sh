#!/bin/sh
# Builds the StrToInt fuzzer with clang, when its sources have changed, and runs it for
# a bounded time over the committed seeds. New inputs go to the work folder only.
#   run-fuzzer.sh CLANGXX SOURCE_ROOT WORK_FOLDER SECONDS
set -eu
clangxx=$1
root=$2
work=$3
seconds=$4

here="$root/tests/model/fuzz"
fuzzer="$work/strtoint_fuzzer"
sources="$here/StrToIntFuzzer.cpp $root/src/model/StrToInt.cpp $root/src/model/ProgramError.cpp"
mkdir -p "$work/corpus" "$work/findings"

changed=$(find "$root/src/model" "$here" -newer "$fuzzer" 2>/dev/null || true)
if [ ! -x "$fuzzer" ] || [ -n "$changed" ]; then
    # shellcheck disable=SC2086 # the source list is split on purpose
    "$clangxx" -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined \
        -fno-sanitize-recover=undefined -I"$root/src" $sources -o "$fuzzer"
fi

# A field's text of more than a few dozen characters adds nothing the rules care
# about: leading blanks and zeros repeat, and anything else makes it invalid.
exec "$fuzzer" -max_total_time="$seconds" -max_len=64 -timeout=5 -dict="$here/strtoint.dict" \
    -artifact_prefix="$work/findings/" "$work/corpus" "$here/seeds"
