#!/usr/bin/env bash
# Installs the Debian 12 packages a task needs, only those that are missing.
#   scripts/install-deps.sh run|test
set -euo pipefail

run_packages=(cmake ninja-build g++ qt6-base-dev libxcb1-dev libx11-dev libxi-dev fonts-liberation2 xvfb openbox x11-apps netpbm xdotool x11-utils x11-xserver-utils)
test_packages=("${run_packages[@]}"
  libgtest-dev googletest libbenchmark-dev clang-14 libclang-rt-14-dev locales libpng-dev
  libx11-dev libxtst-dev python3
  g++-mingw-w64-x86-64 wine64)

case "${1:-}" in
  run) wanted=("${run_packages[@]}") ;;
  test) wanted=("${test_packages[@]}") ;;
  *) echo "usage: $0 run|test" >&2; exit 2 ;;
esac

missing=()
for p in "${wanted[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

if [[ "$1" == test ]] && ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  # The number-text tests switch LC_NUMERIC to a comma locale.
  sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' >> /etc/locale.gen
  locale-gen >/dev/null
fi
