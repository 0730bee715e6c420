#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the build, the tests and the program need, only those missing.
# dpkg-dev and file let `cpack -G DEB` compute the package's dependencies; desktop-file-utils and
# libxml2-utils check the menu entry and the file types in the tests. clang-format-14 is the pinned
# formatter of scripts/format.sh (the CI fails on a file it would change). libqt6sql6-sqlite is the
# SQLite driver the help engine opens its collection with. liberfa-dev (the IAU standard models)
# is the reference the precise Sun and the new moons are tested against; the program itself does
# not use it.
# Safe to run again: it does nothing when everything is present. Packages given as arguments are
# installed too (scripts/install-ci-deps.sh passes the sanitizer job's).
set -euo pipefail

packages=(
  g++ make cmake pkg-config
  clang-format-14
  qt6-base-dev libgl-dev qt6-translations-l10n
  qt6-svg-dev qt6-tools-dev qt6-tools-dev-tools qt6-documentation-tools libqt6sql6-sqlite
  libgtest-dev libgmock-dev libbenchmark-dev
  liberfa-dev
  fonts-dejavu-core fonts-noto-cjk
  xvfb xauth
  tzdata
  poppler-utils
  dpkg-dev file desktop-file-utils libxml2-utils
  "$@"
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing missing packages: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null 2>&1; then
    sudo_cmd=(sudo)
  else
    echo "Need root or sudo to install: ${missing[*]}" >&2
    exit 1
  fi
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
