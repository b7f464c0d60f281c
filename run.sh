#!/usr/bin/env bash
# Builds and starts the caliper. Run as root on Debian 12; installs what is missing. Without a
# display it runs the caliper on a virtual X server and saves a screenshot instead.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh run
cmake --preset default -DBUILD_TESTING=OFF >/dev/null
cmake --build --preset default --target tastolin
if [[ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]]; then
  exec build/app/tastolin
fi
exec scripts/headless-screenshot.sh build/app/tastolin build/tastolin-screenshot.png
