#!/usr/bin/env bash
# Shows the caliper on a virtual X server and saves a screenshot, for machines without a display.
#   scripts/headless-screenshot.sh <program> <png>
# Starts Xvfb and openbox, runs the program in a temporary directory holding a settings file (so no
# prompt waits for an answer), moves the pointer over it, saves the screen as PNG, stops everything.
set -euo pipefail

if (($# != 2)); then
    echo "usage: $0 <program> <png>" >&2
    exit 2
fi
program=$(realpath "$1")
png=$(realpath -m "$2")
here=$(dirname "$(realpath "$0")")

if [[ -z "${HEADLESS_SCREENSHOT_SESSION:-}" ]]; then
    exec env HEADLESS_SCREENSHOT_SESSION=1 "$here/../tests/e2e/x-session.sh" "$0" "$program" "$png"
fi

workdir=$(mktemp -d)
caliper=""
cleanup() {
    if [[ -n "$caliper" ]]; then kill "$caliper" 2>/dev/null || true; wait "$caliper" 2>/dev/null || true; fi
    rm -rf "$workdir"
}
trap cleanup EXIT

printf 'Diagonale = 24.000000\r\n' >"$workdir/Tastolin.prefs"
(cd "$workdir" && exec "$program") >"$workdir/program.log" 2>&1 &
caliper=$!

window=""
for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --name '^Tastolin$' 2>/dev/null | head -1) && [[ -n "$window" ]] && break
    sleep 0.1
done
if [[ -z "$window" ]]; then
    echo "headless-screenshot: the caliper window did not appear; its output:" >&2
    cat "$workdir/program.log" >&2
    exit 1
fi
eval "$(xdotool getwindowgeometry --shell "$window" | grep -E '^(X|Y)=')"
# the sliding jaw follows the pointer: a 100-pixel gap between the jaws
xdotool mousemove $((X + 187)) $((Y + 100))
sleep 1
mkdir -p "$(dirname "$png")"
xwd -root -silent | xwdtopnm 2>/dev/null | pnmtopng >"$png"
echo "screenshot of the caliper: $png"
