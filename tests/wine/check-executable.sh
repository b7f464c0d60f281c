#!/usr/bin/env bash
# Checks the built Windows program as it will be shipped: one stripped executable that needs no DLL
# beside the system's, carrying icon 1 and a manifest that makes it per-monitor DPI aware (so one
# window pixel stays one screen pixel) with common controls 6.
#   tests/wine/check-executable.sh <objdump> <nm> <windres> <program.exe>
set -uo pipefail
objdump=$1 nm=$2 windres=$3 program=$4
system_dlls='^(KERNEL32|USER32|GDI32|COMCTL32|WINMM|msvcrt|ADVAPI32|SHELL32|ole32)\.dll$'
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

while read -r dll; do
  [[ $dll =~ $system_dlls ]] || fail "imports $dll, which Windows does not bring"
done < <("$objdump" -p "$program" | awk '/DLL Name:/ { print $3 }')

[[ $("$nm" "$program" 2>&1) == *"no symbols"* ]] || fail "not stripped: it has a symbol table"

resources=$("$windres" -i "$program" -O rc)
grep -q '^1 14 /\* RT_GROUP_ICON \*/' <<<"$resources" || fail "no icon resource 1"
grep -q '^1 24 /\* RT_MANIFEST \*/' <<<"$resources" || fail "no manifest resource 1"
for setting in '>PerMonitorV2<' '>true/pm<' 'Microsoft.Windows.Common-Controls' 'version=""6.0.0.0""'; do
  grep -qF -- "$setting" <<<"$resources" || fail "the manifest lacks $setting"
done

((failures == 0)) && echo "ok: $program"
exit $((failures > 0))
