#!/bin/sh
# Proves that two builds draw the same pages: writes the .ops listing of every
# test page at several resolutions and zooms, and PNG images at a few, with
# each of two melibron programs, and compares listings byte for byte and
# images pixel for pixel (needs netpbm's pngtopnm and ppmtoppm). Pages are
# drawn in basic mode (--basic, the drawing of the first versions) and in the
# complete drawing; a program that does not know --basic draws basic pages
# only, so a build from before the complete drawing can stand on either side
# (with the complete pages then left out).
# Usage: bench/compare_listings.sh BEFORE_MELIBRON AFTER_MELIBRON LIB_DIR [DENSE.mus]
#   LIB_DIR: one symbol-library folder for both runs, so that only the
#   programs differ (copy <build>/lib aside before changing anything).
#   DENSE.mus: a generated page (make_dense_page 4000 DENSE.mus).
set -eu
[ $# -ge 3 ] || { sed -n '10,13p' "$0"; exit 2; }
before=$1 after=$2 lib=$3 dense=${4:-}
here=$(cd "$(dirname "$0")/.." && pwd)
corpus=${MELIBRON_CORPUS_DIR:-$here/../shared/corpus}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

pages="$here/examples/demo.mus"
for name in chor005 brahms-op76n7-p1 chopin2801; do
  [ -f "$corpus/$name.mus" ] && pages="$pages $corpus/$name.mus"
done
[ -n "$dense" ] && pages="$pages $dense"

# dpi:zoom pairs; listings are cheap, so they get many.
ops_views="96:1 96:0.5 96:0.75 96:1.25 96:2.5 72:1 72:1.75 150:1 300:1 300:0.33"
png_views="96:1 72:1.25 150:0.75"

knows_basic() {  # program
  "$1" --help | grep -q -- '--basic'
}
modes=basic
if knows_basic "$before" && knows_basic "$after"; then modes="basic complete"; fi

render() {  # program folder page dpi zoom extension
  base=$(basename "$3" .mus)
  for mode in $modes; do
    option=
    if [ "$mode" = basic ] && knows_basic "$1"; then option=--basic; fi
    QT_QPA_PLATFORM=offscreen "$1" -o "$2/$base-$mode-$4-$5.$6" --dpi "$4" --zoom "$5" \
      --lib "$lib" $option "$3"
  done
}

count=0
for side in before after; do
  mkdir -p "$out/$side"
  program=$before
  [ "$side" = after ] && program=$after
  for page in $pages; do
    for view in $ops_views; do render "$program" "$out/$side" "$page" "${view%:*}" "${view#*:}" ops; done
    for view in $png_views; do render "$program" "$out/$side" "$page" "${view%:*}" "${view#*:}" png; done
  done
done
# Images are compared by their pixels, whatever colour type the files use.
for png in "$out"/before/*.png "$out"/after/*.png; do
  pngtopnm "$png" | ppmtoppm > "${png%.png}.ppm"
  rm "$png"
done
count=$(ls "$out/before" | wc -l)
if diff -r -q "$out/before" "$out/after"; then
  echo "identical: $count files ($(ls "$out/before" | grep -c ops$) listings, $(ls "$out/before" | grep -c ppm$) images)"
else
  echo "DIFFERENT (see above)"
  exit 1
fi
