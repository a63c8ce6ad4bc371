#!/usr/bin/env bash
# Installs what is missing, builds, and starts the tool. Without arguments it runs on the
# built-in simulated module; pass the tool's own options to choose otherwise, for example
# `scripts/start.sh --trace /tmp/ksm.log --simulate`, or `scripts/start.sh --hardware` for the
# FTDI interface.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build" -j "$(nproc)" --target ksm-tool
args=("$@")
if [ ${#args[@]} -eq 0 ]; then
    args=(--simulate)
elif [ "${args[0]}" = "--hardware" ]; then
    args=("${args[@]:1}")
fi
exec "$root/build/ksm-tool" "${args[@]}"
