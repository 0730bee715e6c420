#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a temporary prefix and checks that the tree is complete and that the
# installed programs, run from another folder, find their data in <prefix>/share/gavrosin and keep
# the user's notes in the user's data folder without writing to the installation.
# Usage: install_tree_test.sh <build folder> <source folder>
set -euo pipefail
build=$(cd "$1" && pwd)
source=$(cd "$2" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
need() { [ -f "$prefix/$1" ] || fail "missing $1"; }

cmake --install "$build" --prefix "$prefix" >/dev/null

need bin/gavrosin
need bin/gavrosin-cli
data=share/gavrosin
# Everything of data/, every page and every picture of the build.
while IFS= read -r f; do need "$data/${f#"$source/data/"}"; done < <(find "$source/data" -type f)
while IFS= read -r f; do
  page=${f#"$source/pages/"}
  need "$data/${page%.md}"
done < <(find "$source/pages" -type f -name '*.md')
while IFS= read -r f; do need "$data/bmp/${f##*/}"; done < <(find "$build/bmp" -type f -name '*.bmp')
[ "$(find "$prefix/$data/bmp" -name '*.bmp' | wc -l)" -ge 30 ] || fail "too few pictures in bmp/"
need "$data/help/gavrosin.qch"
need "$data/help/gavrosin.qhc"
need "$data/pictograms/person.svg"

# The desktop's menu entry, file types and icons.
need share/applications/gavrosin.desktop
need share/mime/packages/gavrosin.xml
for size in 16 22 24 32 48 64 128 256; do
  need "share/icons/hicolor/${size}x${size}/apps/gavrosin.png"
  need "share/icons/hicolor/${size}x${size}/mimetypes/application-x-gavrosin-person.png"
  need "share/icons/hicolor/${size}x${size}/mimetypes/application-x-gavrosin-table.png"
done
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$prefix/share/applications/gavrosin.desktop" | grep -v ': hint: ' &&
    fail "desktop-file-validate complains"
  desktop-file-validate "$prefix/share/applications/gavrosin.desktop" >/dev/null ||
    fail "desktop-file-validate rejects the menu entry"
fi
if command -v xmllint >/dev/null; then
  xmllint --noout "$prefix/share/mime/packages/gavrosin.xml" || fail "the MIME package is not well-formed XML"
fi

# The Debian package holds the compiled help and depends on what the libraries do not name: the
# SQLite driver of the help engine and the SVG plugins.
if command -v cpack >/dev/null && command -v dpkg-deb >/dev/null && command -v dpkg-shlibdeps >/dev/null; then
  (cd "$build" && cpack -G DEB -B "$work/deb" >"$work/cpack.log" 2>&1) || fail "cpack -G DEB failed"
  deb=$(find "$work/deb" -maxdepth 1 -name 'gavrosin_*.deb' | head -n 1)
  if [ -n "$deb" ]; then
    depends=$(dpkg-deb -f "$deb" Depends)
    for package in libqt6help6 libqt6svg6 libqt6sql6-sqlite; do
      [[ "$depends" == *"$package"* ]] || fail "the package does not depend on $package"
    done
    contents=$(dpkg-deb -c "$deb")
    for file in help/gavrosin.qch help/gavrosin.qhc; do
      [[ "$contents" == *"/usr/share/gavrosin/$file"* ]] || fail "the package lacks $file"
    done
  else
    fail "cpack made no package"
  fi
fi

# The installed command-line tool, run elsewhere, prints what the build's does.
cd "$work"
expected=$("$build/gavrosin-cli" moment --date 2024-06-01T12:00)
actual=$("$prefix/bin/gavrosin-cli" moment --date 2024-06-01T12:00) || fail "installed gavrosin-cli failed"
[ "$actual" = "$expected" ] || fail "installed gavrosin-cli prints something else"
# It finds the place table in the installation's data folder.
"$prefix/bin/gavrosin-cli" places --search москва --limit 1 | grep -q "Europe/Moscow" ||
  fail "installed gavrosin-cli does not find the place table"

# The installed program, with the notes window open at start, makes the user's notes file from the
# installed template and writes nothing into the installation.
mkdir -p "$work/config" "$work/home"
printf '[note]\nVisible=true\n' >"$work/config/Gavrosin.conf"
touch "$work/before"
sleep 1
own="$work/userdata/Gavrosin/other/notes.txt"
env HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/userdata" \
  XDG_RUNTIME_DIR="$work" QT_QPA_PLATFORM=offscreen "$prefix/bin/gavrosin" >"$work/gui.log" 2>&1 &
gui=$!
# Waits for the notes window to have read its file (a busy machine may take a while), then ends
# the program.
for _ in $(seq 1 60); do
  [ -f "$own" ] && break
  kill -0 "$gui" 2>/dev/null || break
  sleep 0.5
done
if kill -0 "$gui" 2>/dev/null; then
  sleep 1
  kill "$gui"
  wait "$gui" || true
else
  wait "$gui" && status=0 || status=$?
  fail "installed gavrosin ended by itself with $status"
  cat "$work/gui.log" >&2
fi
cmp -s "$prefix/$data/other/notes.txt" "$own" ||
  fail "the user's notes file was not made from the installed template"
written=$(find "$prefix" -newer "$work/before" -print)
[ -z "$written" ] || fail "the program wrote into the installation: $written"

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed" >&2
  exit 1
fi
echo "install tree complete"
