#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds a Release and starts the program, installing any missing Debian packages first.
# Extra arguments go to the program (e.g. a person or table file to open).
set -euo pipefail
cd "$(dirname "$0")"
BUILD=${BUILD:-build}
bash scripts/install-deps.sh
cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$BUILD" -j "$(nproc)"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "$BUILD/gavrosin" "$@"
fi
echo "No display found: starting the program under xvfb-run (an invisible virtual screen)."
echo "To see its windows, run ./run.sh from a desktop session."
exec xvfb-run -a "$BUILD/gavrosin" "$@"
