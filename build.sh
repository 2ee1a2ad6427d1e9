#!/usr/bin/env bash
# The everyday commands. Each installs what is missing (Debian packages, through apt-get),
# builds, and then:
#   ./build.sh run             opens the bundled sample tree
#   ./build.sh test            runs every test
#   ./build.sh sanitize-test   runs every test under AddressSanitizer + UndefinedBehaviorSanitizer
#   ./build.sh fuzz [SECONDS]  runs each libFuzzer target for SECONDS (default 30)
#   ./build.sh bench           measures reading and writing a generated 500,000-person tree
set -euo pipefail
cd "$(dirname "$0")"
jobs=$(nproc 2>/dev/null || echo 2)

build() {
  cmake --preset "$1" >/dev/null
  cmake --build --preset "$1" -j "$jobs"
}

./scripts/install-deps.sh
case "${1:-}" in
  run)
    build default
    ./build/src/cli/kinloom-cli info samples/sample.ged
    ;;
  test)
    build default
    ctest --preset default -j "$jobs"
    ;;
  sanitize-test)
    build sanitize
    ctest --preset sanitize -j "$jobs"
    ;;
  fuzz)
    build fuzz
    ./fuzz/run.sh "${2:-30}"
    ;;
  bench)
    build default
    ./bench/run.sh
    ;;
  *)
    echo "usage: ./build.sh run|test|sanitize-test|fuzz [SECONDS]|bench" >&2
    exit 1
    ;;
esac
