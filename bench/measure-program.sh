#!/usr/bin/env bash
# Whole-program figures of the Linux caliper, inside a running X session with a window manager
# (tests/e2e/x-session.sh provides one). Each run starts in a scratch directory holding a settings
# file, so no prompt opens.
#   bench/measure-program.sh <tastolin program> <results file>
# Appends "name value" lines to the results file:
#   first_frame_ms          median of 5 starts: process start to the first frame on screen
#                           (bench/first_frame.py), after one start that fills the caches
#   rss_kib, pss_kib        resident memory 5 s after the start
#   rest_program_pct        CPU of the program over 10 s, pointer away, in % of one core
#   rest_xserver_pct        the same for the X server
#   sweep_program_pct       CPU of the program while the pointer sweeps the caliper (a move every 10 ms)
#   sweep_xserver_pct       the same for the X server
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
program=$(realpath "$1")
results=$2

work=$(mktemp -d)
pid=
stop_program() {
    if [[ -n $pid ]]; then
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
        pid=
    fi
}
trap 'stop_program; rm -rf "$work"' EXIT

# About 96 pixels per inch on this screen, the usual scale length.
read -r screen_w screen_h < <(xdpyinfo | awk '/dimensions:/ { split($2, s, "x"); print s[1], s[2] }')
diagonal=$(awk -v w="$screen_w" -v h="$screen_h" 'BEGIN { printf "%d", sqrt(w*w + h*h) / 96 + 0.5 }')
printf 'Diagonale = %s\r\n' "$diagonal" >"$work/Tastolin.prefs"

now_ns() { date +%s%N; }
record() { echo "$1 $2" >>"$results"; }

start_program() {
    (cd "$work" && exec "$program") 2>/dev/null &
    pid=$!
}

caliper_window() { xdotool search --onlyvisible --name '^Tastolin$' 2>/dev/null | head -n 1 || true; }

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

cpu_ticks() { # utime + stime of all the process's threads, in clock ticks
    awk '{ sub(/.*\) /, ""); print $12 + $13 }' "/proc/$1/stat"
}

# CPU of both processes while the command runs, in % of one core of wall time.
cpu_during() { # <name> <command...>
    local name=$1 xserver program_before xserver_before start elapsed_ns
    shift
    xserver=$(xserver_pid)
    program_before=$(cpu_ticks "$pid")
    xserver_before=$(cpu_ticks "$xserver")
    start=$(now_ns)
    "$@"
    elapsed_ns=$(($(now_ns) - start))
    record "${name}_program_pct" "$(percent $(($(cpu_ticks "$pid") - program_before)) "$elapsed_ns")"
    record "${name}_xserver_pct" "$(percent $(($(cpu_ticks "$xserver") - xserver_before)) "$elapsed_ns")"
}

percent() { # <clock ticks> <elapsed ns>
    awk -v t="$1" -v hz="$(getconf CLK_TCK)" -v ns="$2" 'BEGIN { printf "%.2f", 100 * t / hz / (ns / 1e9) }'
}

# The X server of this display wrote its process id into its lock file.
xserver_pid() {
    local display=${DISPLAY#:}
    xargs </tmp/.X"${display%%.*}"-lock
}

# Pointer moves every 10 ms for 10 s, to and fro along the scale, where the jaw follows it.
sweep_pointer() {
    local window=$1 x y from to moves=() i
    eval "$(xdotool getwindowgeometry --shell "$window")"
    from=$((X + 90))
    to=$((X + WIDTH - 60))
    y=$((Y + 50))
    for ((i = 0; i < 1000; i++)); do
        x=$((from + (i * 3) % (2 * (to - from))))
        ((x > to)) && x=$((2 * to - x))
        moves+=(mousemove "$x" "$y" sleep 0.01)
    done
    xdotool "${moves[@]}"
}

xdotool mousemove 0 0
"$here/first_frame.py" "$program" "$work" >/dev/null # fills the font and file caches once
firsts=()
for _ in 1 2 3 4 5; do firsts+=("$("$here/first_frame.py" "$program" "$work")"); done
record first_frame_ms "$(printf '%s\n' "${firsts[@]}" | median)"
record first_frame_runs_ms "$(
    IFS=,
    echo "${firsts[*]}"
)"

start_program
sleep 5
record rss_kib "$(awk '/^Rss:/ { print $2 }' "/proc/$pid/smaps_rollup")"
record pss_kib "$(awk '/^Pss:/ { print $2 }' "/proc/$pid/smaps_rollup")"
cpu_during rest sleep 10
window=$(caliper_window)
at_rest=$(xwd -silent -id "$window" | md5sum)
cpu_during sweep sweep_pointer "$window"
# A sweep that never reached the jaw would measure nothing.
if [[ $(xwd -silent -id "$window" | md5sum) == "$at_rest" ]]; then
    echo "measure-program: the caliper did not change while the pointer swept it" >&2
    exit 1
fi
stop_program
