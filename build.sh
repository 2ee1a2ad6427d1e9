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
    # The sample becomes the tree "Sample" of the data home the first time, so that what the
    # user saves is what the next run opens.
    if ! ./build/src/cli/kinloom-cli trees | grep -qx 'Sample'; then
      ./build/src/cli/kinloom-cli import samples/sample.ged --name Sample >/dev/null
    fi
    ./build/src/app/kinloom Sample
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
