#!/usr/bin/env bash
# The everyday commands. Each installs what is missing (Debian packages, through apt-get),
# builds, and then:
#   ./build.sh run             opens the bundled sample tree
#   ./build.sh test            runs every test
#   ./build.sh sanitize-test   runs every test under AddressSanitizer + UndefinedBehaviorSanitizer
#   ./build.sh fuzz [SECONDS]  runs each libFuzzer target for SECONDS (default 30)
#   ./build.sh bench           measures reading and writing a generated 500,000-person tree
# With KINLOOM_STRICT=1 (CI and developers) warnings are errors; otherwise they are shown.
set -euo pipefail
cd "$(dirname "$0")"
jobs=$(nproc 2>/dev/null || echo 2)

preset=default
if [ "${KINLOOM_STRICT:-0}" = 1 ]; then preset=dev; fi

# build PRESET [TARGET...]
build() {
  local name=$1
  shift
  cmake --preset "$name" >/dev/null
  cmake --build --preset "$name" -j "$jobs" ${1:+--target "$@"}
}

./scripts/install-deps.sh
case "${1:-}" in
  run)
    build "$preset" kinloom kinloom-cli
    # The sample becomes the tree "Sample" of the data home the first time, so that what the
    # user saves is what the next run opens.
    if ! ./build/src/cli/kinloom-cli trees | grep -qx 'Sample'; then
      ./build/src/cli/kinloom-cli import samples/sample.ged --name Sample >/dev/null
    fi
    ./build/src/app/kinloom Sample
    ;;
  test)
    build "$preset"
    ctest --preset "$preset" -j "$jobs"
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
    build "$preset"
    ./bench/run.sh
    ;;
  *)
    echo "usage: ./build.sh run|test|sanitize-test|fuzz [SECONDS]|bench" >&2
    exit 1
    ;;
esac
