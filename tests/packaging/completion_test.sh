#!/usr/bin/env bash
# The bash completion offers the options, the formats after --format, score
# files in either case and folders.
set -u
script=$1
framework=/usr/share/bash-completion/bash_completion
if [ ! -r "$framework" ]; then
  echo "bash-completion is not installed"
  exit 77
fi
source "$framework"
source "$script"
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cd "$folder" || exit 1
touch a.mus B.MUS c.pmx D.PMX e.png notes.txt
mkdir pages

# The sorted candidates for the command line given as words, the last one
# being completed.
candidates() {
  COMP_WORDS=("$@")
  COMP_CWORD=$(($# - 1))
  COMP_LINE="$*"
  COMP_POINT=${#COMP_LINE}
  COMPREPLY=()
  _melibron "$1" "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}" 2>/dev/null
  ((${#COMPREPLY[@]})) && printf '%s\n' "${COMPREPLY[@]}" | LC_ALL=C sort | tr '\n' ' '
}

failures=0
check() {
  local expected=$1
  shift
  local got
  got=$(candidates "$@")
  if [ "$got" != "$expected" ]; then
    echo "FAIL: '$*': expected '$expected', got '$got'"
    failures=$((failures + 1))
  fi
}

check 'pdf pmx png ' melibron --format p
check 'mus ops pdf pmx png svg ' melibron -o out/ --format ''
check '--thumbnail ' melibron --th
check '--recursive ' melibron --rec
check 'B.MUS D.PMX a.mus c.pmx pages ' melibron ''
check 'B.MUS D.PMX a.mus c.pmx pages ' melibron -o out.png ''
check 'a.mus ' melibron --info a
check 'pages ' melibron --lib ''
check 'B.MUS D.PMX a.mus c.pmx e.png notes.txt pages ' melibron -o ''
check 'B.MUS D.PMX a.mus c.pmx e.png notes.txt pages ' melibron --thumbnail 128 a.mus ''
check '' melibron --dpi ''
[ "$failures" -eq 0 ] || exit 1
echo "completion: ok"
