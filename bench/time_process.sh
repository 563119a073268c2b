#!/bin/sh
# Whole-process figures for `melibron -o page.png`: wall time over repeated
# runs (hyperfine when installed, else a loop), and peak memory.
# Usage: bench/time_process.sh MELIBRON PAGE.mus [DPI] [RUNS]
set -eu
[ $# -ge 2 ] || { sed -n '4p' "$0"; exit 2; }
program=$1 page=$2 dpi=${3:-96} runs=${4:-30}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
export QT_QPA_PLATFORM=offscreen
command="$program -o $out/page.png --dpi $dpi $page"

if command -v hyperfine >/dev/null 2>&1; then
  hyperfine --style basic --warmup 3 --runs "$runs" --export-json "$out/h.json" "$command" >/dev/null
  python3 -c "import json,sys; r=json.load(open(sys.argv[1]))['results'][0]; print('wall: median %.1f ms, mean %.1f ms, min %.1f ms over %d runs (hyperfine)' % (r['median']*1e3, r['mean']*1e3, r['min']*1e3, len(r['times'])))" "$out/h.json"
else
  for _ in 1 2 3; do $command; done
  for _ in $(seq "$runs"); do
    start=$(date +%s%N); $command; end=$(date +%s%N)
    echo $(( (end - start) / 1000 ))
  done | sort -n | awk '{t[NR]=$1} END {printf "wall: median %.1f ms, min %.1f ms over %d runs (loop)\n", t[int((NR+1)/2)]/1000, t[1]/1000, NR}'
fi
if [ -x /usr/bin/time ]; then
  /usr/bin/time -v $command 2>"$out/time.txt"
  sed -n 's/^\tMaximum resident set size (kbytes): /peak memory (kB): /p' "$out/time.txt"
fi
