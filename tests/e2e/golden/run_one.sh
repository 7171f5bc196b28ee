# shellcheck shell=bash
# The one way a line of runs.txt is run, sourced by scripts/make-golden (which keeps the results
# as the golden files) and tests/e2e/golden_check.sh (which compares against them), so the two
# always run the driver alike.
#
# golden_run BINARY LINE OUTDIR
#   Runs the line's arguments with BINARY in a fresh scratch folder (the working directory, so
#   any file the run writes by a relative name lands there and names printed stay the same) and
#   writes into OUTDIR: NAME.out (stdout), NAME.err (stderr, only when not empty), NAME.rc (the
#   exit status, 124 after a hang of GOLDEN_TIMEOUT seconds) and NAME.X.ops for each --ops
#   WHAT=@X of the line. Returns 1 when the line is malformed.
# golden_runs FILE: prints the run lines of FILE (no comments, no blank lines).

export LC_ALL=C TZ=UTC QT_QPA_PLATFORM=offscreen

golden_runs() {
  grep -v -e '^#' -e '^[[:space:]]*$' "$1"
}

golden_run() {
  local binary=$1 line=$2 outdir=$3
  # The run starts in its scratch folder: a relative name must not be read from there.
  [[ $binary == /* ]] || binary=$PWD/$binary
  [[ $outdir == /* ]] || outdir=$PWD/$outdir
  local name=${line%%$'\t'*} rest=${line#*$'\t'}
  if [[ $line != *$'\t'* || ! $name =~ ^[A-Za-z0-9_-]+$ ]]; then
    echo "malformed run line: $line" >&2
    return 1
  fi
  local -a words=() args=() traces=()
  # The arguments are bash words, quoted as in a shell, so texts may hold blanks.
  eval "words=($rest)" || { echo "unreadable arguments in run $name" >&2; return 1; }
  local i previous=""
  for i in "${words[@]}"; do
    # --ops WHAT=@X writes the trace X.ops in the scratch folder, kept as NAME.X.ops.
    if [[ $previous == --ops && $i =~ ^([a-z]+)=@([A-Za-z0-9_-]+)$ ]]; then
      traces+=("${BASH_REMATCH[2]}")
      i="${BASH_REMATCH[1]}=${BASH_REMATCH[2]}.ops"
    fi
    args+=("$i")
    previous=$i
  done
  local scratch rc=0
  scratch=$(mktemp -d) || return 1
  (cd "$scratch" && TMPDIR=$scratch timeout "${GOLDEN_TIMEOUT:-120}" "$binary" "${args[@]}" \
    >"$outdir/$name.out" 2>"$outdir/$name.err") || rc=$?
  echo "$rc" >"$outdir/$name.rc"
  if [ ! -s "$outdir/$name.err" ]; then rm -f "$outdir/$name.err"; fi
  for i in "${traces[@]}"; do
    if [ -f "$scratch/$i.ops" ]; then cp "$scratch/$i.ops" "$outdir/$name.$i.ops"; fi
  done
  rm -rf "$scratch"
  return 0
}
