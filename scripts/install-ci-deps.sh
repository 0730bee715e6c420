#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what the CI's sanitizer and fuzzing job needs beside install-deps.sh: clang 14 with its
# sanitizer and libFuzzer runtimes and the symbolizer. Does nothing when everything is present.
set -euo pipefail
exec bash "$(dirname "$0")/install-deps.sh" clang-14 clang libclang-rt-14-dev llvm-14
