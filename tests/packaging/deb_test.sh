#!/usr/bin/env bash
# The Debian package cpack makes from the build: its control fields, its
# files, and the program unpacked from it converting a page on its own.
set -uo pipefail
source "$(dirname "$0")/png_size.sh"
build=$1
source_dir=$2
for tool in dpkg-deb dpkg-shlibdeps cpack; do
  if ! command -v "$tool" >/dev/null; then
    echo "$tool is not installed"
    exit 77
  fi
done
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

(cd "$build" && cpack -G DEB -B "$scratch" --config CPackConfig.cmake >"$scratch/cpack.log" 2>&1) \
  || { cat "$scratch/cpack.log"; echo "FAIL: cpack"; exit 1; }
packages=("$scratch"/melibron_*_*.deb)
[ -f "${packages[0]}" ] || { echo "FAIL: no melibron_<version>_<arch>.deb"; exit 1; }
package=${packages[0]}
version=$(sed -n 's/^project(melibron VERSION \([0-9.]*\).*/\1/p' "$source_dir/CMakeLists.txt")
[ "$(basename "$package")" = "melibron_${version}_$(dpkg --print-architecture).deb" ] \
  || fail "package named $(basename "$package")"

field() { dpkg-deb --field "$package" "$1"; }
for name in Package Version Architecture Maintainer Section Priority Description Depends; do
  [ -n "$(field "$name")" ] || fail "no $name field"
done
depends=$(field Depends)
names=$(tr ',|' '\n\n' <<<"$depends" | sed 's/([^)]*)//; s/^ *//; s/ *$//')
for needed in libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 libstdc++6 libc6 fonts-urw-base35; do
  grep -qxF "$needed" <<<"$names" || fail "Depends lacks $needed: $depends"
done
if grep -qE -- '-dev$|^(cmake|ninja-build|g\+\+|lilypond.*)$' <<<"$names"; then
  fail "Depends names a build tool: $depends"
fi

contents=$(dpkg-deb --contents "$package" | awk '{print $NF}')
for file in ./usr/bin/melibron ./usr/libexec/melibron/melibron-window \
    ./usr/share/applications/melibron.desktop \
    ./usr/share/icons/hicolor/scalable/apps/melibron.svg ./usr/share/mime/packages/melibron.xml \
    ./usr/share/thumbnailers/melibron.thumbnailer ./usr/share/man/man1/melibron.1.gz \
    ./usr/share/bash-completion/completions/melibron ./usr/share/doc/melibron/copyright; do
  grep -qxF "$file" <<<"$contents" || fail "package lacks $file"
done
libraries=$(grep -cE '^\./usr/share/melibron/lib/libr[a-t]\.drw$' <<<"$contents")
[ "$libraries" -eq 20 ] || fail "package holds $libraries of the 20 symbol libraries"

# Unpacked elsewhere, the program draws with the libraries beside it, not
# with those of the build it came from.
root=$scratch/root
dpkg-deb -x "$package" "$root"
program=$root/usr/bin/melibron
[ "$("$program" --version)" = "melibron $version" ] || fail "--version"
env -u MELIBRON_LIB "$program" -o "$scratch/demo.png" "$source_dir/examples/demo.mus" \
  || fail "-o demo.png"
[ "$(png_size "$scratch/demo.png")" = "816 x 1056" ] || fail "no 816 x 1056 page image"
rm "$root/usr/share/melibron/lib/librb.drw"
message=$(env -u MELIBRON_LIB "$program" -o "$scratch/none.png" "$source_dir/examples/demo.mus" 2>&1)
grep -qF "$root/usr/share/melibron/lib" <<<"$message" \
  || fail "the unpacked program did not look beside itself: '$message'"

[ "$failures" -eq 0 ] || exit 1
echo "$(basename "$package"): ok"
