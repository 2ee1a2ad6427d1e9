#!/usr/bin/env bash
# Runs each fuzzer for a bounded time, seeded with the saved regressions and, for the reader,
# the small edge-case files of the shared corpus. A crash fails the run; its input is kept in
# build-fuzz/findings/ to be added to fuzz/regressions/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-30}
bin=$root/build-fuzz/fuzz
findings=$root/build-fuzz/findings
mkdir -p "$findings"
for target in reader charsets dates; do
  work=$(mktemp -d)
  seeds=()
  [ -d "$root/fuzz/regressions/$target" ] && seeds+=("$root/fuzz/regressions/$target")
  if [ "$target" = reader ] && [ -d "$root/../shared/corpus/edge" ]; then
    seeds+=("$root/../shared/corpus/edge")
  fi
  echo "fuzzing $target for ${seconds}s"
  "$bin/fuzz-$target" -max_total_time="$seconds" -max_len=8192 -timeout=10 \
    -artifact_prefix="$findings/$target-" -print_final_stats=1 "$work" "${seeds[@]}" \
    2>"$work.log" || { tail -n 60 "$work.log"; exit 1; }
  grep -E "stat::number_of_executed_units" "$work.log" || true
  rm -rf "$work" "$work.log"
done
echo "fuzzing: 3 passed, 0 failed"
