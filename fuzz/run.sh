#!/usr/bin/env bash
# Runs each fuzzer for a bounded time, seeded with the saved regressions, for the tree reader
# with the small edge-case files of the shared corpus, and for the side-file readers with files
# the program writes (fuzz/seeds). The three side-file readers are small and share one target's
# time between them. A crash fails the run; its input is kept in build-fuzz/findings/ to be
# added to fuzz/regressions/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-30}
side_seconds=$(( (seconds + 2) / 3 ))
[ "$side_seconds" -lt 5 ] && side_seconds=5
bin=$root/build-fuzz/fuzz
findings=$root/build-fuzz/findings
mkdir -p "$findings"
targets=(reader charsets dates config albums sources)
for target in "${targets[@]}"; do
  work=$(mktemp -d)
  seeds=()
  time=$seconds
  [ -d "$root/fuzz/regressions/$target" ] && seeds+=("$root/fuzz/regressions/$target")
  if [ -d "$root/fuzz/seeds/$target" ]; then
    seeds+=("$root/fuzz/seeds/$target")
    time=$side_seconds
  fi
  if [ "$target" = reader ] && [ -d "$root/../shared/corpus/edge" ]; then
    seeds+=("$root/../shared/corpus/edge")
  fi
  echo "fuzzing $target for ${time}s"
  "$bin/fuzz-$target" -max_total_time="$time" -max_len=8192 -timeout=10 \
    -artifact_prefix="$findings/$target-" -print_final_stats=1 "$work" "${seeds[@]}" \
    2>"$work.log" || { tail -n 60 "$work.log"; exit 1; }
  grep -E "stat::number_of_executed_units" "$work.log" || true
  rm -rf "$work" "$work.log"
done
echo "fuzzing: ${#targets[@]} passed, 0 failed"
