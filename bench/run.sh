#!/usr/bin/env bash
# Generates a 500,000-person tree, turns it into a saved tree (so the search lists restore
# from their saved positions), and measures reading and writing it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD:-$root/build}
out=${OUT:-$root/bench-out}
people=${PEOPLE:-500000}
mkdir -p "$out"
"$build/tools/kinloom-gentree" --individuals "$people" --seed 1 --format own --out "$out/raw.ged"
"$build/src/cli/kinloom-cli" convert "$out/raw.ged" "$out/tree.ged"
"$build/bench/kinloom-bench-gedcom" "$out/tree.ged" "$out/written.ged"
"$build/bench/kinloom-bench-core" "$out/tree.ged"
