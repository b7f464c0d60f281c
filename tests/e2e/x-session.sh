#!/usr/bin/env bash
# Runs a command in a fresh X session: Xvfb on a free display, a solid root colour, openbox.
#   tests/e2e/x-session.sh <command> [args...]
# Environment: X_SESSION_SCREEN (default 1920x1080x24), X_SESSION_ROOT_COLOUR (default #3366cc),
# X_SESSION_WM=none to run without a window manager. Everything started here is stopped on exit,
# whatever happens; the command's exit status is passed on.
set -euo pipefail

screen=${X_SESSION_SCREEN:-1920x1080x24}
root_colour=${X_SESSION_ROOT_COLOUR:-#3366cc}

free_display() {
    local n
    for n in $(seq 90 250); do
        if [[ ! -e /tmp/.X$n-lock && ! -e /tmp/.X11-unix/X$n ]]; then
            echo "$n"
            return
        fi
    done
    echo "x-session: no free display number" >&2
    exit 1
}

pids=()
stop_all() {
    local pid
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
}
trap stop_all EXIT

wait_for() { # <what> <command...>: retries for up to 10 s
    local what=$1 i
    shift
    for i in $(seq 100); do
        if "$@" >/dev/null 2>&1; then return 0; fi
        sleep 0.1
    done
    echo "x-session: $what did not start" >&2
    exit 1
}

display=$(free_display)
Xvfb ":$display" -screen 0 "$screen" -noreset -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
export DISPLAY=":$display"
wait_for "Xvfb on $DISPLAY" xdpyinfo
xsetroot -solid "$root_colour"

if [[ "${X_SESSION_WM:-openbox}" != none ]]; then
    openbox >/dev/null 2>&1 &
    pids+=($!)
    # openbox announces itself on the root window once it manages the screen
    wait_for openbox sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"'
fi

status=0
"$@" || status=$?
exit "$status"
