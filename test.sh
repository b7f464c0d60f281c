#!/usr/bin/env bash
# Builds and runs every test: unit, conformance and end-to-end tests of the Linux (Qt) build, the
# unit tests under AddressSanitizer + UndefinedBehaviorSanitizer, the fuzzers, and the Windows build's
# conformance and end-to-end tests under wine. Run as root on Debian 12; installs what is missing.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh test

fuzz_seconds=${FUZZ_SECONDS:-30}
step() { printf '\n==== %s\n' "$*"; }

step "Linux build: unit, conformance and end-to-end tests"
cmake --preset default -DBUILD_TESTING=ON >/dev/null
cmake --build --preset default
ctest --preset default

step "Unit tests under AddressSanitizer + UndefinedBehaviorSanitizer"
cmake --preset asan -DBUILD_TESTING=ON >/dev/null
cmake --build --preset asan
ctest --preset asan

step "Fuzzers, ${fuzz_seconds} s each"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
fuzz/run.sh build-fuzz "$fuzz_seconds"

step "Windows build under wine: conformance and end-to-end tests"
cmake --preset mingw -DBUILD_TESTING=ON >/dev/null
cmake --build --preset mingw
ctest --preset mingw

step "All tests passed"
