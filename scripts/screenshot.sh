#!/usr/bin/env bash
# Builds the tool, starts it under a virtual X server (Xvfb) on the built-in simulated module,
# and saves pictures of its windows: the main window with each of its five tabs open, the APC
# window and the simulation's window. Usage: scripts/screenshot.sh [FOLDER] (default:
# build/screenshots). The tool's hidden option --screenshot FOLDER does the saving.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
folder=${1:-"$root/build/screenshots"}
"$root/scripts/setup.sh"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build" --target ksm-tool
mkdir -p "$folder"
folder=$(cd "$folder" && pwd)
xvfb-run -a -s "-screen 0 1280x1024x24" "$root/build/ksm-tool" --simulate --screenshot "$folder"
ls "$folder"/*.png
