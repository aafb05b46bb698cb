#!/usr/bin/env bash
# Builds Lyravox and runs every test. --sanitize builds the tests with
# AddressSanitizer and UndefinedBehaviorSanitizer in a separate folder.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
sanitize=OFF
build=${LYRAVOX_BUILD:-$top/build}
if [ "${1:-}" = "--sanitize" ]; then
  sanitize=ON
  build=${LYRAVOX_BUILD:-$top/build-sanitize}
  export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0:abort_on_error=1}
  export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
fi
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

"$top/scripts/install-deps.sh"
cmake -S "$top" -B "$build" -G Ninja -DLYRAVOX_SANITIZE=$sanitize -DLYRAVOX_BENCH=$([ $sanitize = ON ] && echo OFF || echo ON) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build"
ctest --test-dir "$build" --output-on-failure -j2
