#!/usr/bin/env bash
# Builds Korvane and starts the desktop program.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"

if [ -x build/ui/korvane ]; then
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
        echo "No display found: Korvane is a desktop program." >&2
        echo "Start it on a virtual display instead:" >&2
        echo "  tools/install-deps.sh xvfb xauth && xvfb-run -a build/ui/korvane" >&2
        echo "or try the calculations headless: build/cli/korvane-calc --help" >&2
        exit 1
    fi
    exec build/ui/korvane "$@"
fi
# Without the desktop program, show the calculations of the default cases.
exec build/cli/korvane-calc --demo
