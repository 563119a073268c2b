#!/usr/bin/env bash
# cmake --install into a scratch prefix: the files a desktop needs are there,
# the thumbnailer entry parses and its command works as the entry calls it,
# and the manual page is readable.
set -uo pipefail
source "$(dirname "$0")/png_size.sh"
build=$1
source_dir=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "FAIL: cmake --install"; exit 1; }
share=$prefix/share
for file in bin/melibron libexec/melibron/melibron-window \
    share/melibron/lib/libra.drw share/melibron/lib/librt.drw \
    share/applications/melibron.desktop share/icons/hicolor/scalable/apps/melibron.svg \
    share/mime/packages/melibron.xml share/thumbnailers/melibron.thumbnailer \
    share/man/man1/melibron.1.gz share/bash-completion/completions/melibron \
    share/doc/melibron/copyright; do
  [ -f "$prefix/$file" ] || fail "$file not installed"
done

# Every non-empty line after the group header is KEY=VALUE.
entry=$share/thumbnailers/melibron.thumbnailer
[ "$(head -n 1 "$entry")" = "[Thumbnailer Entry]" ] \
  || fail "thumbnailer: no [Thumbnailer Entry] header"
tail -n +2 "$entry" | grep -v -E '^$|^#|^[A-Za-z]+=.+$' | while read -r line; do
  echo "FAIL: thumbnailer: not KEY=VALUE: $line"
done | grep . && failures=$((failures + 1))
key() { sed -n "s/^$1=//p" "$2"; }
try_exec=$(key TryExec "$entry")
exec_line=$(key Exec "$entry")
[ -n "$try_exec" ] && [ -n "$exec_line" ] && [ -n "$(key MimeType "$entry")" ] \
  || fail "thumbnailer: TryExec, Exec or MimeType missing"
[ -x "$prefix/bin/$try_exec" ] \
  || fail "thumbnailer: TryExec '$try_exec' is not the installed command"
[ "${exec_line%% *}" = "$try_exec" ] \
  || fail "thumbnailer: Exec runs '${exec_line%% *}', not '$try_exec'"

# Both entries name only types the MIME file defines.
for file in "$entry" "$share/applications/melibron.desktop"; do
  for type in $(key MimeType "$file" | tr ';' ' '); do
    grep -q "<mime-type type=\"$type\">" "$share/mime/packages/melibron.xml" \
      || fail "$(basename "$file"): MIME type $type is not defined"
  done
done

# The entry's command line, with its fields filled as a file manager fills them.
out=$prefix/thumbnail.png
read -ra words <<<"$exec_line"
command=()
for word in "${words[@]}"; do
  case $word in
    %s) command+=(128) ;;
    %i) command+=("$source_dir/examples/demo.mus") ;;
    %o) command+=("$out") ;;
    *) command+=("$word") ;;
  esac
done
(PATH=$prefix/bin:$PATH; "${command[@]}") || fail "thumbnailer: '${command[*]}' failed"
size=$(png_size "$out")
[ "$size" = "128 x 128" ] || fail "thumbnailer: no 128 x 128 PNG image but '$size'"

manual=$share/man/man1/melibron.1.gz
if gzip -t "$manual"; then
  if command -v groff >/dev/null; then
    warnings=$(gzip -dc "$manual" | groff -ww -z -man 2>&1)
    [ -z "$warnings" ] || fail "manual page: $warnings"
  fi
  text=$(gzip -dc "$manual" | sed 's/\\-/-/g')
  for option in --info --text --output --format --thumbnail --symbols --dpi --zoom --antialias \
      --basic --lib --jobs --recursive --quiet --help --version MELIBRON_LIB MELIBRON_SCORE_DIR; do
    grep -q -- "$option" <<<"$text" || fail "manual page: no $option"
  done
else
  fail "manual page: not gzip data"
fi

[ "$failures" -eq 0 ] || exit 1
echo "installed files, thumbnailer entry and manual page: ok"
