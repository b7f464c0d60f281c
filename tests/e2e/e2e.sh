#!/usr/bin/env bash
# End-to-end tests of the caliper program, driven as a user would drive it: the pointer, the buttons
# and the keyboard through xdotool, the results read pixel by pixel from screenshots of the screen
# and byte by byte from the settings file. Runs inside an X session with a window manager:
#   tests/e2e/x-session.sh tests/e2e/e2e.sh <program command...>
# e.g. `build/tastolin` or `wine build-win32/tastolin.exe`. Each case starts the program afresh in
# an empty temporary working directory. Environment: E2E_ARTIFACTS, the folder for the screenshots
# and logs of failing cases (default build/e2e-artifacts); E2E_ONLY, a pattern selecting cases by name;
# E2E_START_SECONDS, how long a window may take to appear (default 20).
set -uo pipefail

if (($# == 0)); then
    echo "usage: $0 <program command...>" >&2
    exit 2
fi
# Arguments naming files are made absolute, since the program runs in another directory.
program=()
for arg in "$@"; do
    if [[ -e "$arg" ]]; then program+=("$(realpath "$arg")"); else program+=("$arg"); fi
done

artifacts=$(realpath -m "${E2E_ARTIFACTS:-$(dirname "$0")/../../build/e2e-artifacts}")
scratch=$(mktemp -d)
trap 'stop_caliper; rm -rf "$scratch"' EXIT

read -r screen_width screen_height < <(xdpyinfo | awk '/dimensions:/ { split($2, d, "x"); print d[1], d[2] }')
root_hex=${X_SESSION_ROOT_COLOUR:-#3366cc}
root_colour=$(printf '%d %d %d' "0x${root_hex:1:2}" "0x${root_hex:3:2}" "0x${root_hex:5:2}")
readonly tick_colour="27 25 228" jaw_grey="180 180 180"

# ---- the program under test

pid=""
workdir=""
window=""
win_x=0 win_y=0 win_w=0 win_h=0

# Starts the caliper in a fresh directory; with an argument, the settings file holds that text.
start_caliper() {
    workdir=$(mktemp -d -p "$scratch")
    if (($# > 0)); then printf '%b' "$1" >"$workdir/Tastolin.prefs"; fi
    (cd "$workdir" && exec setsid "${program[@]}") >"$workdir/program.log" 2>&1 &
    pid=$!
}

stop_caliper() {
    if [[ -n "$pid" ]] && kill -0 "$pid" 2>/dev/null; then
        kill -- "-$pid" 2>/dev/null || kill "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    fi
    pid=""
}

caliper_running() { [[ -n "$pid" ]] && kill -0 "$pid" 2>/dev/null; }

# The visible window whose title matches the pattern, waiting for it to appear.
find_window() {
    local i id
    for i in $(seq $((${E2E_START_SECONDS:-20} * 10))); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1)
        if [[ -n "$id" ]]; then
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    return 1
}

read_geometry() {
    local X Y WIDTH HEIGHT
    eval "$(xdotool getwindowgeometry --shell "$window" | grep -E '^(X|Y|WIDTH|HEIGHT)=')"
    win_x=$X win_y=$Y win_w=$WIDTH win_h=$HEIGHT
}

# Waits for the caliper window and its first drawn frame (the fixed jaw's face in place).
wait_for_caliper() {
    window=$(find_window '^Tastolin$') || { fail "no caliper window appeared"; return 1; }
    read_geometry
    wait_until "the caliper is drawn" pixel_is $((win_x + 26)) $((win_y + 100)) "$jaw_grey"
}

# ---- screenshots and pixels

screen="$scratch/screen.ppm"
shoot() { xwd -root -silent | xwdtopnm 2>/dev/null | pamdepth 255 >"$screen"; }

# The colour of a pixel of the last screenshot as "R G B".
pixel() { pamcut -left "$1" -top "$2" -width 1 -height 1 "$screen" | pnmnoraw | awk 'NR > 3 { printf "%s %s %s", $1, $2, $3 }'; }

pixel_is() {
    shoot
    [[ "$(pixel "$1" "$2")" == "$3" ]]
}

# Counts the pixels of the box (x, y, width, height) in the last screenshot that are not "R G B".
pixels_not() {
    pamcut -left "$1" -top "$2" -width "$3" -height "$4" "$screen" | pnmnoraw |
        awk -v want="$5" 'BEGIN { split(want, w, " ") } NR > 3 { for (i = 1; i <= NF; i += 3)
            if ($i != w[1] || $(i + 1) != w[2] || $(i + 2) != w[3]) bad++ } END { print bad + 0 }'
}

# ---- results

failure=""
fail() {
    failure="$*"
    return 1
}

# Retries a check for up to 3 s.
wait_until() {
    local what=$1 i
    shift
    for i in $(seq 30); do
        if "$@"; then return 0; fi
        sleep 0.1
    done
    fail "timed out waiting until $what"
}

expect_eq() { # <what> <actual> <expected>
    [[ "$2" == "$3" ]] || fail "$1: got '$2', expected '$3'"
}

# ---- input

point_at() { xdotool mousemove "$((win_x + $1))" "$((win_y + $2))"; sleep 0.15; }

# Presses and holds a button long enough for the program's polling to see it.
click() {
    xdotool mousedown "$1"
    sleep 0.15
    xdotool mouseup "$1"
}

keys() {
    local key
    for key in "$@"; do
        xdotool key "$key"
        sleep 0.1
    done
}

menu_open() { [[ -n "$(popup_corners)" ]]; }

# Opens the popup menu over the caliper's upper part and chooses an entry with the keyboard: an item
# of the submenu "Ansicht" by its place there (0 to 3, the separator not counted), or "quit". The
# pointer rests on the menu's first entry when the menu opens, so a menu may have highlighted it or
# opened its submenu by itself; the pointer is moved away, and Down, Right is repeated until the
# submenu is open with its first item highlighted, whichever state the menu was left in.
choose_in_menu() {
    local i
    point_at 150 20
    click 3
    wait_until "a popup menu is shown" menu_open || return
    xdotool mousemove 5 5
    sleep 0.6
    for i in 1 2 3; do
        keys Down Right
        sleep 0.3
        if (($(popup_corners | wc -l) > 1)); then break; fi
    done
    (($(popup_corners | wc -l) > 1)) || fail "the submenu did not open" || return
    if [[ "$1" == quit ]]; then
        keys Left Down Return
        return
    fi
    for ((i = 0; i < $1; i++)); do keys Down; done
    keys Return
}

# Answers the prompt titled exactly so, typing the text and then the key.
answer_prompt() { # <title> <text> <key>
    local prompt pattern
    # window titles may come in Latin-1 or UTF-8: the search skips the non-ASCII letters
    pattern="^$(LC_ALL=C sed 's/[^ -~]\+/.+/g' <<<"$1")\$"
    prompt=$(find_window "$pattern") || { fail "no prompt titled $1 appeared"; return 1; }
    expect_eq "prompt title" "$(xprop -id "$prompt" _NET_WM_NAME | sed -n 's/^[^"]*"\(.*\)"$/\1/p')" "$1" || return
    xdotool windowactivate --sync "$prompt" 2>/dev/null
    sleep 0.2
    if [[ -n "$2" ]]; then xdotool type --delay 50 "$2"; fi
    keys "$3"
}

# Override-redirect windows now on screen (popup menus), as "x y" of their top-left corners; the
# window manager's own tiny helper windows are left out.
popup_corners() {
    local id info
    for id in $(xwininfo -root -children | awk '/^ +0x/ { print $1 }'); do
        info=$(xwininfo -id "$id")
        grep -q 'Map State: IsViewable' <<<"$info" && grep -q 'Override Redirect State: yes' <<<"$info" &&
            awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF } /Width:/ { w = $NF }
                END { if (x >= 0 && y >= 0 && w > 1) print x, y }' <<<"$info"
    done
    return 0
}

# ---- the cases

prefs_24='Diagonale = 24.000000\r\n'

test_window_centred_and_drawn() {
    start_caliper "$prefs_24"
    wait_for_caliper || return
    expect_eq "window" "$win_x,$win_y ${win_w}x$win_h" \
        "$(((screen_width - 389) / 2)),$(((screen_height - 144) / 2)) 389x144" || return
    expect_eq "left of the window" "$(pixel $((win_x - 1)) $((win_y + 100)))" "$root_colour" || return
    [[ "$(xprop -id "$window" _NET_WM_STATE)" == *_NET_WM_STATE_ABOVE* ]] || fail "the window is not kept on top" || return
    [[ "$(xprop -id "$window" _NET_WM_ICON)" == *"Icon ("* ]] || fail "the window has no icon"
}

test_gap_shows_the_screen_below() {
    start_caliper "$prefs_24"
    wait_for_caliper || return
    point_at 187 100 # jaw_pos = 187 - 60 = 127
    gap_is_root() { shoot && (($(pixels_not $((win_x + 27)) $((win_y + 67)) 100 77 "$root_colour") == 0)); }
    wait_until "columns 27 to 126 from row 67 show the root window" gap_is_root || return
    (($(pixels_not $((win_x + 26)) $((win_y + 88)) 1 56 "$root_colour") == 56)) ||
        fail "the fixed jaw's face, column 26, is see-through" || return
    (($(pixels_not $((win_x + 127)) $((win_y + 67)) 1 77 "$root_colour") == 77)) ||
        fail "the sliding jaw's face, column 127, is see-through" || return
    (($(pixels_not $((win_x + 27)) $((win_y + 66)) 100 1 "$root_colour") == 100)) ||
        fail "row 66 above the gap is see-through"
}

# Scale columns of the whole and half centimetre ticks, and the scale length L of 8 cm, by desktop
# size and diagonal.
declare -A whole_ticks=(
    ["1920x1080 24"]="1 37 73 110 146 182 218 255" ["1920x1080 15.6"]="1 55 110 164 218 273 327"
    ["1280x1024 19"]="1 35 69 103 136 170 204 238" ["1280x1024 15.6"]="1 41 81 121 162 202 242 282")
declare -A half_ticks=(
    ["1920x1080 24"]="19 55 92 128 164 200 236 273" ["1920x1080 15.6"]="28 82 137 191 245 300 354"
    ["1280x1024 19"]="18 52 86 120 153 187 221 255" ["1280x1024 15.6"]="21 61 101 142 182 222 262 302")
declare -A scale_length=(["1920x1080 24"]=290 ["1920x1080 15.6"]=435 ["1280x1024 19"]=271 ["1280x1024 15.6"]=321)

# A tick: blue over its rows of the band (window rows first..66), not above, and one pixel wide.
check_tick() { # <scale column> <first row>
    local column=$((win_x + 27 + $1)) top=$((win_y + $2)) rows=$((67 - $2))
    (($(pixels_not "$column" "$top" 1 "$rows" "$tick_colour") == 0)) ||
        fail "tick at scale column $1: not blue over window rows $2..66" || return
    [[ "$(pixel "$column" $((top - 1)))" != "$tick_colour" ]] || fail "tick at scale column $1 starts above row $2" || return
    [[ "$(pixel $((column - 1)) $((win_y + 64)))" != "$tick_colour" &&
        "$(pixel $((column + 1)) $((win_y + 64)))" != "$tick_colour" ]] || fail "tick at scale column $1 is not one pixel wide"
}

# Only ticks left of the sliding jaw (at 127) and right of it (from 200) show, up to the end of the
# shape's outline (L) or of the 389 pixels wide start window, whichever comes first.
tick_visible() { # <scale column> <L>
    local c=$((27 + $1)) end=$(($2 < 389 ? $2 : 389))
    ((c < 127 || (c >= 200 && c < end)))
}

test_ticks_follow_desktop_and_diagonal() {
    local key diagonal x cases=0
    for key in "${!scale_length[@]}"; do
        [[ "$key" == "${screen_width}x$screen_height "* ]] || continue
        diagonal=${key#* }
        cases=$((cases + 1))
        start_caliper "Diagonale = $diagonal\r\n"
        wait_for_caliper || return
        point_at 187 100
        sleep 0.2
        shoot
        for x in ${whole_ticks[$key]}; do
            if tick_visible "$x" "${scale_length[$key]}"; then
                check_tick "$x" 57 || { failure="$key: $failure"; return 1; }
            fi
        done
        for x in ${half_ticks[$key]}; do
            if tick_visible "$x" "${scale_length[$key]}"; then
                check_tick "$x" 60 || { failure="$key: $failure"; return 1; }
            fi
        done
        stop_caliper
    done
    ((cases > 0)) || fail "no tick positions known for a ${screen_width}x$screen_height desktop"
}

test_right_button_opens_the_menu_at_the_pointer() {
    start_caliper "$prefs_24"
    wait_for_caliper || return
    point_at 150 20
    click 3
    menu_at_pointer() { popup_corners | grep -x "$((win_x + 149)) $((win_y + 19))" >/dev/null; }
    wait_until "a menu shows with its corner at the pointer minus (1, 1)" menu_at_pointer ||
        fail "$failure; menus at: $(popup_corners | tr '\n' ' ')" || return
    keys Escape Escape
    sleep 0.3
    expect_eq "menus after Escape" "$(popup_corners)" ""
}

# L of 12 cm with a 24-inch diagonal, by desktop size.
declare -A length_12cm=(["1920x1080"]=435 ["1280x1024"]=321)

test_length_command_resizes() {
    local length=${length_12cm[${screen_width}x$screen_height]:-}
    [[ -n "$length" ]] || fail "no scale length known for a ${screen_width}x$screen_height desktop" || return
    start_caliper "$prefs_24"
    wait_for_caliper || return
    choose_in_menu 1 # Länge anpassen
    answer_prompt 'Neue Länge der Tastolin definieren' 12 Return || return
    window_is() { read_geometry && [[ "${win_w}x$win_h" == "$1" ]]; }
    wait_until "the window is $length x 144 for 12 cm" window_is "${length}x144" || return
    shoot
    [[ "$(pixel $((win_x + length - 1)) $((win_y + 10)))" != "$root_colour" ]] ||
        fail "the window's last column is not drawn"
}

test_vertical_turns_the_window() {
    start_caliper "$prefs_24"
    wait_for_caliper || return
    choose_in_menu 3 # Vertikal
    window_is() { read_geometry && [[ "${win_w}x$win_h" == "$1" ]]; }
    wait_until "the window is 144 x 290" window_is 144x290
}

file_is() { [[ -f "$workdir/Tastolin.prefs" && "$(od -An -tx1 "$workdir/Tastolin.prefs")" == "$(printf "$1" | od -An -tx1)" ]]; }

test_diagonal_command_writes_the_file() {
    start_caliper "$prefs_24"
    wait_for_caliper || return
    choose_in_menu 0 # Bildschirmdiagonale ändern
    answer_prompt 'Bildschirmdiagonale ändern' 15.6 Return || return
    wait_until "the file holds exactly the new diagonal" file_is 'Diagonale = 15.600000\r\n' || return
    point_at 187 100
    # the scale is drawn anew for 15.6 inches: the 1 cm tick moves to scale column 55
    wait_until "the 1 cm tick is redrawn" pixel_is $((win_x + 27 + 55)) $((win_y + 60)) "$tick_colour"
}

test_first_start_answer_creates_the_file() {
    start_caliper
    answer_prompt 'Bildschirmdiagonale einstellen' 15.6 Return || return
    wait_for_caliper || return
    wait_until "the file holds exactly the diagonal" file_is 'Diagonale = 15.600000\r\n'
}

# Escape and the window manager's close request (Alt+F4) both leave the prompt without an answer.
test_first_start_without_answer_creates_no_file() {
    local key
    for key in Escape alt+F4; do
        start_caliper
        answer_prompt 'Bildschirmdiagonale einstellen' "" "$key" || return
        wait_for_caliper || { failure="$key: $failure"; return 1; }
        choose_in_menu quit
        wait_until "the program ends" eval '! caliper_running' || { failure="$key: $failure"; return 1; }
        [[ ! -e "$workdir/Tastolin.prefs" ]] || fail "$key: a settings file was created" || return
    done
}

test_alt_f4_does_nothing() {
    start_caliper "$prefs_24"
    wait_for_caliper || return
    xdotool windowactivate --sync "$window" 2>/dev/null
    keys alt+F4
    sleep 0.5
    caliper_running || fail "the program ended" || return
    [[ -n "$(xdotool search --onlyvisible --name '^Tastolin$')" ]] || fail "the window closed"
}

test_quit_ends_with_status_zero() {
    start_caliper "$prefs_24"
    wait_for_caliper || return
    choose_in_menu quit
    wait_until "the program ends" eval '! caliper_running' || return
    local status=0
    wait "$pid" || status=$?
    pid=""
    expect_eq "exit status" "$status" 0
}

test_left_drag_moves_the_window() {
    start_caliper "$prefs_24"
    wait_for_caliper || return
    local x0=$win_x y0=$win_y step
    point_at 10 10
    xdotool mousedown 1
    sleep 0.2
    for step in 1 2 3 4 5 6; do
        xdotool mousemove $((x0 + 10 + 10 * step)) $((y0 + 10 + 7 * step))
        sleep 0.05
    done
    sleep 0.2
    xdotool mouseup 1
    moved() { read_geometry && [[ "$win_x,$win_y" == "$((x0 + 60)),$((y0 + 42))" ]]; }
    wait_until "the window follows the pointer by (60, 42)" moved || fail "$failure; it is at ($win_x, $win_y), from ($x0, $y0)"
}

# ---- runner

passed=0
failed=0
for case in $(declare -F | awk '{ print $3 }' | grep '^test_'); do
    [[ -n "${E2E_ONLY:-}" && ! "$case" =~ $E2E_ONLY ]] && continue
    failure=""
    if "$case" && [[ -z "$failure" ]]; then
        echo "PASS ${case#test_}"
        passed=$((passed + 1))
    else
        echo "FAIL ${case#test_}: ${failure:-failed}"
        failed=$((failed + 1))
        mkdir -p "$artifacts"
        shoot && pnmtopng "$screen" >"$artifacts/${case#test_}.png" 2>/dev/null
        [[ -n "$workdir" && -f "$workdir/program.log" ]] && cp "$workdir/program.log" "$artifacts/${case#test_}.log"
    fi
    stop_caliper
done
((failed == 0)) || echo "screenshots and logs of the failing cases: $artifacts"
echo "$passed passed, $failed failed"
((failed == 0))
