# png_size FILE: "WIDTH x HEIGHT" of a PNG image, or nothing for another file.
png_size() {
  [ "$(od -An -tx1 -N8 "$1" 2>/dev/null | tr -d ' \n')" = 89504e470d0a1a0a ] || return 0
  od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%d x %d", (($1 * 256 + $2) * 256 + $3) * 256 + $4,
                                                  (($5 * 256 + $6) * 256 + $7) * 256 + $8 }'
}
