#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: once as built for use, once under
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
jobs=$(nproc)

run_suite() {
    local dir=$1; shift
    cmake -S "$root" -B "$root/$dir" -G Ninja "$@" >/dev/null
    cmake --build "$root/$dir" -j "$jobs"
    (cd "$root/$dir" && ctest --output-on-failure -j "$jobs")
}

run_suite build -DCMAKE_BUILD_TYPE=RelWithDebInfo
echo "== sanitizers (address, undefined) =="
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    run_suite build-asan -DCMAKE_BUILD_TYPE=Debug -DKSM_SANITIZE=ON -DKSM_BUILD_BENCH=OFF
