#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds and runs every test (CTest), installing any missing Debian packages first.
set -euo pipefail
cd "$(dirname "$0")"
BUILD=${BUILD:-build}
bash scripts/install-deps.sh
cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=Release -DGAVROSIN_WERROR="${GAVROSIN_WERROR:-OFF}" >/dev/null
cmake --build "$BUILD" -j "$(nproc)"
cd "$BUILD"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)"
