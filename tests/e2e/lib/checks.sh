# Sourced by the end-to-end scripts of the headless driver: makes a scratch folder `work` that is
# removed at exit, sets fail=0, and gives the checks the scripts share.
needs() {  # needs TOOL...: skips the script (exit status 77) when a TOOL is not installed
  local tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
  done
}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail=0
check() {  # check NAME TEXT PATTERN: TEXT holds the fixed string PATTERN
  if ! grep -qF -- "$3" <<<"$2"; then
    echo "FAIL: $1: no '$3'"
    fail=1
  fi
}
same() {  # same NAME GOT WANT
  if [ "$2" != "$3" ]; then
    echo "FAIL: $1: got '$2', want '$3'"
    fail=1
  fi
}
