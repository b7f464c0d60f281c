#!/usr/bin/env bash
# Builds the release program and the benchmarks (Linux with Qt, and the Windows cross build), runs
# every benchmark, prints one table (figure, value, target) and writes it with the machine it ran on
# to bench/results.md. Run as root on Debian 12 (installs what is missing), on a quiet machine:
#   sudo bench/run.sh
# Environment: BENCH_WIN32=0 leaves out the Windows figures (wine).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
scripts/install-deps.sh test

linux_build=$root/build-release
win32_build=$root/build-bench-win32
raw=$linux_build/bench/raw.txt
step() { printf '\n==== %s\n' "$*" >&2; }

step "Building the release program and the benchmarks"
cmake --preset release >/dev/null
cmake --build --preset release --target tastolin frame_bench long_run
if [[ ${BENCH_WIN32:-1} == 1 ]]; then
    cmake -S . -B "$win32_build" -G Ninja --toolchain cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=MinSizeRel \
        -DTASTOLIN_QT=OFF -DTASTOLIN_BENCH=ON -DBUILD_TESTING=OFF >/dev/null
    cmake --build "$win32_build" --target frame_timing long_run
fi
: >"$raw"
load_before=$(cut -d' ' -f1-3 /proc/loadavg)

# Google Benchmark's CSV: name,iterations,real_time,cpu_time,time_unit,... ; the medians are kept.
record_medians() { # <prefix>
    awk -F, -v prefix="$1" '$1 ~ /_median"$/ {
        name = $1; gsub(/"|_median/, "", name); sub(/^BM_/, "", name)
        printf "%s/%s %.0f\n", prefix, name, $4
    }' >>"$raw"
}
prefixed() { sed "s|^|$1/|" >>"$raw"; }

step "Frame, shape and pass cost on the Qt binding, headless"
QT_QPA_PLATFORM=offscreen "$linux_build/bench/frame_bench" --benchmark_repetitions=10 \
    --benchmark_report_aggregates_only=true --benchmark_format=csv 2>/dev/null | record_medians qt

step "A whole pass on the Qt binding under X (pointer queries go to the X server)"
tests/e2e/x-session.sh "$linux_build/bench/frame_bench" --benchmark_filter=main_loop_pass \
    --benchmark_repetitions=10 --benchmark_report_aggregates_only=true --benchmark_format=csv 2>/dev/null |
    record_medians qt_x

step "The whole program under Xvfb and openbox: first frame, memory, CPU at rest and while the pointer sweeps"
tests/e2e/x-session.sh bench/measure-program.sh "$linux_build/app/tastolin" "$raw.program"
prefixed program <"$raw.program"
rm -f "$raw.program"

step "Long run on the Qt binding under X"
tests/e2e/x-session.sh "$linux_build/bench/long_run" 2>/dev/null | prefixed qt_long

if [[ ${BENCH_WIN32:-1} == 1 ]]; then
    step "Frame, shape and pass cost on the Win32 binding under wine (plain timing loop, wall time)"
    TASTOLIN_WINE_X=1 tests/wine/run-under-wine.sh "$win32_build/bench/frame_timing.exe" 2>/dev/null |
        tr -d '\r' | prefixed win32
    step "Long run on the Win32 binding under wine"
    TASTOLIN_WINE_X=1 tests/wine/run-under-wine.sh "$win32_build/bench/long_run.exe" 2>/dev/null |
        tr -d '\r' | prefixed win32_long
fi

step "Results"
bench/report.sh "$raw" "$load_before" | tee bench/results.md
