#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Formats the C++ sources of the tree with the pinned clang-format (the one install-deps.sh
# installs), or with --check lists the files that differ from it and fails.
# The generated VSOP87D table is left as its generator writes it.
set -euo pipefail
cd "$(dirname "$0")/.."
format=${CLANG_FORMAT:-clang-format-14}
command -v "$format" >/dev/null || { echo "$format not found: run scripts/install-deps.sh" >&2; exit 1; }
mapfile -t files < <(git ls-files -- '*.cpp' '*.h' ':!:*_generated.cpp')
if [ "${1:-}" = "--check" ]; then
  drift=()
  for f in "${files[@]}"; do
    if ! "$format" --style=file "$f" | cmp -s - "$f"; then drift+=("$f"); fi
  done
  if [ ${#drift[@]} -ne 0 ]; then
    printf 'Not formatted as .clang-format says (run scripts/format.sh or cmake --build build --target format):\n' >&2
    printf '  %s\n' "${drift[@]}" >&2
    exit 1
  fi
  echo "Formatting: ${#files[@]} files as .clang-format says"
else
  printf '%s\0' "${files[@]}" | xargs -0 -P "$(nproc)" -n 20 "$format" --style=file -i
fi
