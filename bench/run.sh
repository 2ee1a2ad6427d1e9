#!/usr/bin/env bash
# Generates 500,000-person trees and measures the program on them:
#  - an own-format tree, saved once so its search lists restore from saved positions:
#    reading and writing it against a floor (reading the file and splitting it into lines);
#  - the chart caches and both search-list builds on that tree;
#  - a UTF-8 file from another program (NOTE records, @I1@-style references): the whole import;
#  - a full verifier run on the own-format tree;
#  - the windows that list every person (find, hide information, split tree): opening, scrolling;
#  - the statistics pages and the to-do lists on that tree;
#  - merging two people with several marriages, and finding a merge candidate;
#  - the web site (static pages and the script site's data) of a generated 100,000-person tree;
#  - wall charts: a real family (the corpus, or REAL_TREE) and twelve generations of 100,000.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD:-$root/build}
out=${OUT:-$root/bench-out}
people=${PEOPLE:-500000}
mkdir -p "$out"
"$build/tools/kinloom-gentree" --individuals "$people" --seed 1 --format own --out "$out/raw.ged"
"$build/src/cli/kinloom-cli" convert "$out/raw.ged" "$out/tree.ged"
echo "== own-format tree"
"$build/bench/kinloom-bench-gedcom" "$out/tree.ged" "$out/written.ged"
echo "== chart caches and search lists"
"$build/bench/kinloom-bench-core" "$out/tree.ged"
echo "== list windows"
"$build/bench/kinloom-bench-ui-list" "$out/tree.ged"
echo "== statistics pages and to-do lists"
"$build/bench/kinloom-bench-stats" "$out/tree.ged"
echo "== import of a file from another program"
"$build/tools/kinloom-gentree" --individuals "$people" --seed 1 --format foreign \
  --charset utf8 --out "$out/foreign.ged"
"$build/bench/kinloom-bench-gedcom" "$out/foreign.ged" "$out/imported.ged" --import
echo "== reports: relationships 20 generations apart, a descendant list of 100,000 as text and PDF"
if [ -x "$build/bench/kinloom-bench-reports" ]; then
  "$build/bench/kinloom-bench-reports" "$out/descendants.pdf"
fi
echo "== verifier: a full run with every check on, the duplicate search included"
"$build/bench/kinloom-bench-verifier" "$out/tree.ged"
echo "== merge of two people with several marriages"
"$build/bench/kinloom-bench-merge" "$out/tree.ged"
echo "== web site of a generated 100,000-person tree"
"$build/tools/kinloom-gentree" --individuals 100000 --seed 1 --format own --out "$out/web.ged"
rm -rf "$out/web"
"$build/bench/kinloom-bench-web" "$out/web.ged" "$out/web"
echo "== wall charts"
if [ -x "$build/bench/kinloom-bench-wallchart" ]; then
  "$build/bench/kinloom-bench-wallchart" ${REAL_TREE:+"$REAL_TREE"}
fi
