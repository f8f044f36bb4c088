#!/bin/bash
# Start-up time and peak memory of the simulator beside a bare Qt window of the setup
# window's size (bare_window), both measured from outside on the same Xvfb screen,
# their runs interleaved. Nothing in the simulator is changed or told about it.
#
#   bench/startup.sh [BUILD_DIR [RUNS]]      (defaults: build, 9)
#
# Start-up: from the launch until the setup window is mapped and a red cell of the
# material table shows at client (932, 176); for the bare window, until its pale
# green shows at the same place. The bare window runs a second time with one line
# of text, which shows what the font database alone costs. Memory: VmHWM of
# /proc/PID/status after a whole trial, driven by xdotool: material 1, the
# start-loading button, START, 16 s of ticks. The bare window gets the same clicks
# and the same wait. The X server runs with -noreset: a server that resets whenever
# its last client leaves refuses the next launch now and then.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../build}" && pwd)
runs=${2:-9}

for tool in xvfb-run xdotool import; do
    if ! command -v "$tool" >/dev/null; then
        echo "startup.sh: $tool is missing (Debian packages xvfb, xdotool, imagemagick)" >&2
        exit 1
    fi
done

if [ -z "${BRINELL_BENCH_UNDER_XVFB:-}" ]; then
    export BRINELL_BENCH_UNDER_XVFB=1
    exec xvfb-run -a -s "-screen 0 1400x1050x24 -br -noreset -nolisten tcp" "$here/startup.sh" "$build" "$runs"
fi

brinell=$build/src/brinell
bare=$build/bench/bare_window
probe=$build/bench/startup_probe
export LC_ALL=C.UTF-8
# The simulator reads its scheme pictures from the working directory.
cd "$here/../schemes"

# Where a pixel of the material table is red, relative to the setup window's client.
table_x=932
table_y=176

median() {
    sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# "R G B" of a pixel of the screen.
screen_pixel() {
    import -window root -crop "1x1+$1+$2" -depth 8 txt:- | sed -n 's/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1 \2 \3/p'
}

# Launches of the simulator, the bare window and the bare window with one line of
# text, in turn; prints the medians of the time until mapped and until visible.
start_up() {
    local names=(simulator "bare window" "bare window with text")
    local probes=("ff0000 48 $brinell" "c0dcc0 8 $bare" "c0dcc0 8 $bare text")
    local files=() i
    for i in 0 1 2; do
        files[i]=$(mktemp)
        # One launch of each first, so that all start from a warm file cache.
        "$probe" $table_x $table_y ${probes[i]} >/dev/null
    done
    for _ in $(seq "$runs"); do
        for i in 0 1 2; do
            "$probe" $table_x $table_y ${probes[i]} >>"${files[i]}"
        done
    done
    local visible=()
    echo "start-up, median of $runs runs (ms from launch until mapped / until visible):"
    for i in 0 1 2; do
        visible[i]=$(cut -d' ' -f2 "${files[i]}" | median)
        printf '  %-22s %6s / %6s   (visible: %s)\n' "${names[i]}:" \
            "$(cut -d' ' -f1 "${files[i]}" | median)" "${visible[i]}" \
            "$(cut -d' ' -f2 "${files[i]}" | tr '\n' ' ')"
        rm -f "${files[i]}"
    done
    awk -v a="${visible[0]}" -v b="${visible[1]}" -v c="${visible[2]}" \
        'BEGIN { printf "  ratio simulator / bare window: %.2f (bare window with text / bare window: %.2f)\n", a / b, c / b }'
}

# Starts a program, clicks as a student does through one trial, waits for the
# sequence to end and prints the peak resident memory in KiB. With a second
# argument it checks that the trial ran to its end.
trial_peak() {
    local program=$1 pid window trial hwm
    "$program" &
    pid=$!
    window=$(xdotool search --sync --onlyvisible --pid "$pid" | head -n1)
    sleep 0.5
    xdotool mousemove --window "$window" $((1010 + 10)) $((168 + 8)) click 1
    xdotool mousemove --window "$window" $((560 + 280)) $((752 + 40)) click 1
    sleep 0.5
    trial=$(xdotool search --onlyvisible --pid "$pid" | grep -v "^$window\$" | head -n1 || true)
    xdotool mousemove --window "${trial:-$window}" $((776 + 50)) $((304 + 50)) click 1
    sleep 16
    if [ -n "${2:-}" ]; then
        # The magnify button's face at (432 + 3, 264 + 50) of the trial window.
        local X Y
        eval "$(xdotool getwindowgeometry --shell "$trial" | grep -E '^(X|Y)=')"
        if [ "$(screen_pixel $((X + 435)) $((Y + 314)))" = "192 220 192" ]; then
            echo "the trial did not reach its end" >&2
            kill "$pid"
            return 1
        fi
    fi
    hwm=$(awk '/^VmHWM:/ { print $2 }' "/proc/$pid/status")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo "$hwm"
}

memory() {
    local samples_brinell="" samples_bare="" peak bare_peak
    for _ in 1 2 3; do
        samples_brinell+="$(trial_peak "$brinell" check) "
        samples_bare+="$(trial_peak "$bare") "
    done
    peak=$(echo "$samples_brinell" | tr ' ' '\n' | grep . | median)
    bare_peak=$(echo "$samples_bare" | tr ' ' '\n' | grep . | median)
    echo "peak memory of a whole trial, median of 3 runs (VmHWM, KiB):"
    echo "  simulator:   $peak   (runs: $samples_brinell)"
    echo "  bare window: $bare_peak   (runs: $samples_bare)"
    awk -v a="$peak" -v b="$bare_peak" \
        'BEGIN { printf "  difference: %.1f MiB, ratio %.2f\n", (a - b) / 1024, a / b }'
}

start_up
memory
