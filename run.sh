#!/usr/bin/env bash
# Installs what is missing, builds ZRLConv and starts its window.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" fonts-dejavu-core
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j 2 --target zrlconv zrlconv-cli
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "run.sh: the ZRLConv window needs a display, and DISPLAY and WAYLAND_DISPLAY are not set." >&2
    echo "run.sh: without one, convert with build/cli/zrlconv-cli (see README.md)." >&2
    exit 1
fi
exec build/window/zrlconv "$@"
