#!/usr/bin/env bash
# Turns the raw figures of bench/run.sh ("name value" lines) into the results table in Markdown.
#   bench/report.sh <raw figures> <load average before the run>
set -euo pipefail
raw=$1
load_before=$2

value() { awk -v k="$1" '$1 == k { print $2; found = 1 } END { if (!found) print "" }' "$raw"; }

# Formats with awk; an absent figure shows as "n/a" and never meets its target.
fmt() { # <printf format> <scale divisor> <value>
    [[ -n $3 ]] && awk -v f="$1" -v d="$2" -v v="$3" 'BEGIN { printf f, v / d }' || printf 'n/a'
}
at_most() { # <limit> <values...>: "yes" when every value is present and within the limit
    local limit=$1 v
    shift
    for v in "$@"; do
        [[ -n $v ]] && awk -v v="$v" -v l="$limit" 'BEGIN { exit !(v <= l) }' || { echo no; return; }
    done
    echo yes
}
row() { printf '| %s | %s | %s | %s |\n' "$1" "$2" "$3" "$4"; }

# <label> <raw prefix> <case names...>: the cases' times in µs, from nanoseconds, and the verdict
times_row() {
    local label=$1 prefix=$2 limit_us=$3 target=$4 values=() shown= c
    shift 4
    for c in "$@"; do
        values+=("$(value "$prefix/$c")")
        shown+="${shown:+ / }$(fmt '%.1f' 1000 "${values[-1]}")"
    done
    local verdict=—
    [[ $limit_us != - ]] && verdict=$(at_most $((limit_us * 1000)) "${values[@]}")
    row "$label" "$shown µs" "$target" "$verdict"
}

binding_rows() { # <binding name> <raw prefix> <clock>
    local name=$1 p=$2 clock=$3
    times_row "render_frame, $name, horizontal, jaw at 0 / 50 / 100 % ($clock)" "$p" 50 "≤ 50 µs" \
        render_frame/2/0 render_frame/2/50 render_frame/2/100
    times_row "render_frame, $name, vertical, jaw at 0 / 50 / 100 % ($clock)" "$p" 50 "≤ 50 µs" \
        render_frame/1/0 render_frame/1/50 render_frame/1/100
    times_row "render_frame, $name, jaw moved every frame, horizontal / vertical ($clock)" "$p" 50 "≤ 50 µs" \
        render_frame_moving/2 render_frame_moving/1
    times_row "apply_window_shape, $name, horizontal / vertical ($clock)" "$p" - "—" \
        apply_window_shape/2/50 apply_window_shape/1/50
    times_row "one loop pass without the wait, $name, horizontal / vertical ($clock)" "$p" 100 "≤ 100 µs" \
        main_loop_pass/2 main_loop_pass/1
}

percent_row() { # <label> <raw name> <limit or -> <target>
    local v
    v=$(value "$2")
    local verdict=—
    [[ $3 != - ]] && verdict=$(at_most "$3" "$v")
    row "$1" "$(fmt '%.2f %%' 1 "$v")" "$4" "$verdict"
}

growth_row() { # <label> <raw prefix>
    local before after
    before=$(value "$2/rss_before")
    after=$(value "$2/rss_after")
    local growth=
    [[ -n $before && -n $after ]] && growth=$((after - before))
    row "$1" "$(fmt '%+.2f MiB' 1048576 "$growth") ($(fmt '%.1f' 1048576 "$before") → $(fmt '%.1f' 1048576 "$after"))" \
        "≤ 1 MiB" "$(at_most 1048576 "$growth")"
}

cpu=$(awk -F': ' '/^model name/ { print $2; exit }' /proc/cpuinfo)
os=$(. /etc/os-release && echo "$PRETTY_NAME")

cat <<EOF
# Benchmark results

Machine: $cpu, $(nproc) cores, $os, Linux $(uname -r); run $(date -u '+%Y-%m-%d %H:%M UTC'),
load average $load_before before the run and $(cut -d' ' -f1-3 /proc/loadavg) after it.
Made by \`sudo bench/run.sh\`. Times are medians; the Qt figures are CPU time (Google Benchmark), the
Win32 figures wall time of a plain timing loop under wine. A pass is timed with its event wait made
immediate. Memory in MiB (2^20 bytes); CPU in % of one core.

| Figure | Value | Target | Met |
|---|---|---|---|
EOF
binding_rows "Qt headless" qt "CPU"
times_row "one loop pass without the wait, Qt under X, horizontal / vertical (CPU)" qt_x 100 "≤ 100 µs" \
    main_loop_pass/2 main_loop_pass/1
binding_rows "Win32 under wine" win32 "wall"

first=$(value program/first_frame_ms)
row "first frame after process start, Qt, median of 5 ($(value program/first_frame_runs_ms) ms)" \
    "$(fmt '%.0f ms' 1 "$first")" "≤ 100 ms" "$(at_most 100 "$first")"
rss=$(value program/rss_kib)
row "resident memory 5 s after start, Qt: RSS (PSS)" \
    "$(fmt '%.1f' 1024 "$rss") MiB ($(fmt '%.1f' 1024 "$(value program/pss_kib)") MiB)" "≤ 30 MiB RSS" \
    "$(at_most $((30 * 1024)) "$rss")"
percent_row "CPU at rest over 10 s, program" program/rest_program_pct 1 "≤ 1 %"
percent_row "CPU at rest over 10 s, X server" program/rest_xserver_pct 1 "≤ 1 %"
percent_row "CPU while the pointer sweeps the caliper for 10 s, program" program/sweep_program_pct 3 "≤ 3 %"
percent_row "CPU while the pointer sweeps the caliper for 10 s, X server" program/sweep_xserver_pct - "—"
growth_row "RSS growth over $(value qt_long/ticks) shape ticks with jaw moves, Qt under X" qt_long
growth_row "working-set growth over $(value win32_long/ticks) shape ticks with jaw moves, Win32 under wine" \
    win32_long
gdi_before=$(value win32_long/objects_before)
gdi_after=$(value win32_long/objects_after)
gdi_verdict=no
[[ -n $gdi_before && $gdi_before == "$gdi_after" && $gdi_before -gt 0 ]] && gdi_verdict=yes
row "GDI objects before → after the long run, Win32 under wine" "${gdi_before:-n/a} → ${gdi_after:-n/a}" \
    "unchanged" "$gdi_verdict"
