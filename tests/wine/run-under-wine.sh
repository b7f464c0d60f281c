#!/usr/bin/env bash
# Runs a Windows program under wine, with a wine prefix kept in the build tree between runs. It is
# the cross build's CMAKE_CROSSCOMPILING_EMULATOR (test discovery and ctest) and works by hand:
#   tests/wine/run-under-wine.sh build-win32/app/tastolin.exe
#   tests/wine/run-under-wine.sh --prepare build-win32     (only makes the build's wine prefix)
# Environment:
#   TASTOLIN_WINEPREFIX  the prefix; default <build dir>/wineprefix, the build dir being the nearest
#                        folder above the program that holds CMakeCache.txt
#   TASTOLIN_WINE_X=1    when DISPLAY is unset, runs the program in an X session of its own
#                        (Xvfb and a window manager), since wine without a display draws nothing
# The exit status is the program's.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
prepare_only=0
if [[ $1 == --prepare ]]; then
  prepare_only=1
  TASTOLIN_WINEPREFIX=${TASTOLIN_WINEPREFIX:-$(realpath -m "$2")/wineprefix}
  set -- "$2"
fi
program=$1
shift

wine=/usr/lib/wine/wine64
# The server itself, not Debian's wrapper script, which makes it end as soon as the program does.
wineserver=/usr/lib/wine/wineserver64
[[ -x $wine ]] || wine=$(command -v wine64)
[[ -x $wineserver ]] || wineserver=$(command -v wineserver64 || command -v wineserver)

build_dir() {
  local dir
  dir=$(cd "$(dirname "$1")" && pwd)
  while [[ $dir != / ]]; do
    [[ -f $dir/CMakeCache.txt ]] && { echo "$dir"; return; }
    dir=$(dirname "$dir")
  done
  pwd
}

export WINEPREFIX=${TASTOLIN_WINEPREFIX:-$(build_dir "$program")/wineprefix}
export HOME=$WINEPREFIX-home
export WINEDEBUG=${WINEDEBUG:--all}
# No menu entries, and no Mono or Gecko installers asking to download anything.
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"
export WINEARCH=win64
mkdir -p "$HOME"

# Parallel test discovery must not make the prefix twice; wineboot -i takes a few seconds once.
(
  flock 9
  if [[ ! -f $WINEPREFIX/system.reg ]]; then
    DISPLAY='' "$wine" wineboot -i >/dev/null 2>&1
    "$wineserver" -w
  fi
) 9>"$WINEPREFIX.lock"
((prepare_only)) && exit 0

if [[ ${TASTOLIN_WINE_X:-0} == 1 && -z ${DISPLAY:-} ]]; then
  exec "$here/../e2e/x-session.sh" "$0" "$program" "$@"
fi

# A wine session (the server and the system services it starts with the first program) outlives
# the program by a few seconds. Started by the program, it would inherit the program's output and
# keep ctest waiting for it; so it is started here, detached: the server, kept five seconds after
# the last program, then a program that does nothing. (-k0 only asks whether a server runs.)
# A session is bound to the X server it started with (its size, its desktop), so a program for
# another X server, or for a new one on the same display number (told apart by its socket), waits
# for the running session to end rather than join it.
session_screen=$WINEPREFIX.screen
screen=none
if [[ -n ${DISPLAY:-} ]]; then
  socket=/tmp/.X11-unix/X${DISPLAY#*:}
  screen="$DISPLAY $(stat -c %i-%Y "${socket%.*}" 2>/dev/null) $(xdpyinfo 2>/dev/null | awk '/dimensions:/ { print $2 }')"
fi
if [[ $screen != none && $(cat "$session_screen" 2>/dev/null) != "$screen" ]] && "$wineserver" -k0 2>/dev/null; then
  "$wineserver" -w
fi
if ! "$wineserver" -k0 2>/dev/null; then
  echo "$screen" >"$session_screen"
  setsid "$wineserver" -p5 </dev/null >/dev/null 2>&1 || true
  setsid "$wine" cmd /c exit </dev/null >/dev/null 2>&1 || true
fi
if [[ -z ${DISPLAY:-} ]]; then
  exec "$wine" "$program" "$@"
fi

# On a display, the program's windows get the screen's default colormap (see default-colormap.cpp),
# so that the parts a window shape cuts away show the screen below.
helper=$HOME/default-colormap
if [[ ! -x $helper || $here/default-colormap.cpp -nt $helper ]]; then
  # Built beside and moved in, so that two runs at once never start a half-written helper.
  { c++ -std=c++20 -O2 -o "$helper.$$" "$here/default-colormap.cpp" -lX11 && mv "$helper.$$" "$helper"; } ||
    echo "run-under-wine: cannot build $helper; shaped windows may show black" >&2
fi
"$wine" "$program" "$@" &
pid=$!
[[ -x $helper ]] && "$helper" "$pid" &
status=0
wait "$pid" || status=$?
exit "$status"
