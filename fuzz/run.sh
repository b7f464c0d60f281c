#!/usr/bin/env bash
# Runs every fuzz_* executable of a build for the given time, each over a scratch copy of its seed
# corpus (fuzz/corpus/<name>/), so the checked-in seeds stay as they are. Fails if any fuzzer fails.
#   fuzz/run.sh <build-dir> <seconds>
set -euo pipefail
if (($# != 2)); then
  echo "usage: $0 <build-dir> <seconds>" >&2
  exit 2
fi
build=$1
seconds=$2
corpora="$(cd "$(dirname "$0")" && pwd)/corpus"
artifacts="$(cd "$build" && pwd)/fuzz-artifacts"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

mapfile -t fuzzers < <(find "$build" -type f -name 'fuzz_*' -perm -u+x \
  -not -path '*/CMakeFiles/*' -not -path "$artifacts/*" | sort)
if ((${#fuzzers[@]} == 0)); then
  echo "no fuzz_* executables in $build" >&2
  exit 1
fi

mkdir -p "$artifacts"
failed=()
for fuzzer in "${fuzzers[@]}"; do
  name=$(basename "$fuzzer")
  corpus="$scratch/$name"
  mkdir -p "$corpus"
  if [[ -d "$corpora/$name" ]]; then cp -r "$corpora/$name/." "$corpus/"; fi
  echo "== $name, ${seconds} s"
  if ! "$fuzzer" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$artifacts/$name-" \
      "$corpus" 2>"$scratch/$name.log"; then
    tail -n 40 "$scratch/$name.log" >&2
    failed+=("$name")
  else
    grep -E '^(stat::number_of_executed_units|Done)' "$scratch/$name.log" || true
  fi
done

if ((${#failed[@]})); then
  echo "failed: ${failed[*]}; the inputs that failed are in $artifacts" >&2
  exit 1
fi
echo "all fuzzers passed"
