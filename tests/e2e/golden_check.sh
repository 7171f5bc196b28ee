#!/usr/bin/env bash
# The headless driver still prints, byte for byte, what it printed when the golden files were
# recorded (scripts/make-golden): stdout, stderr, exit status and the --ops traces of every run
# of runs.txt. It never records anything itself.
#   golden_check.sh BINARY GOLDEN_DIR
set -u
[ $# -eq 2 ] || { echo "usage: golden_check.sh BINARY GOLDEN_DIR" >&2; exit 2; }
binary=$1
golden=$2
# shellcheck source=SCRIPTDIR/golden/run_one.sh
source "$(dirname "$0")/golden/run_one.sh"
[ -x "$binary" ] || { echo "no program $binary" >&2; exit 2; }
[ -f "$golden/runs.txt" ] || { echo "no runs.txt in $golden" >&2; exit 2; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The files recorded for run NAME in folder DIR, one name a line.
files_of() {
  (cd "$2" && ls -1 -- "$1".out "$1".err "$1".rc "$1".*.ops 2>/dev/null)
}

passed=0
failed=0
declare -A listed=()
while IFS= read -r line; do
  name=${line%%$'\t'*}
  listed[$name]=1
  out=$work/out
  rm -rf "$out" && mkdir "$out"
  if ! golden_run "$binary" "$line" "$out"; then
    echo "FAIL $name: the line cannot be run"
    failed=$((failed + 1))
    continue
  fi
  bad=0
  for f in $( (files_of "$name" "$golden"; files_of "$name" "$out") | sort -u); do
    if [ ! -f "$golden/$f" ]; then
      echo "FAIL $name: $f was written but has no golden file"
      bad=1
    elif [ ! -f "$out/$f" ]; then
      echo "FAIL $name: $f was not written"
      bad=1
    elif ! cmp -s "$golden/$f" "$out/$f"; then
      echo "FAIL $name: $f differs (< golden, > now):"
      diff "$golden/$f" "$out/$f" | head -n 12 | cut -c1-300
      bad=1
    fi
  done
  if [ $bad -eq 0 ]; then passed=$((passed + 1)); else failed=$((failed + 1)); fi
done < <(golden_runs "$golden/runs.txt")

# A golden file of no listed run means runs.txt and the recording have come apart.
for f in "$golden"/*.out "$golden"/*.err "$golden"/*.rc "$golden"/*.ops; do
  [ -e "$f" ] || continue
  base=$(basename "$f")
  if [ -z "${listed[${base%%.*}]:-}" ]; then
    echo "FAIL: $base belongs to no run of runs.txt"
    failed=$((failed + 1))
  fi
done

echo "$passed passed, $failed failed"
[ $failed -eq 0 ] && [ $passed -gt 0 ]
