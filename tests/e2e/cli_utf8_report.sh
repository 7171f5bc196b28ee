#!/usr/bin/env bash
# The driver's report is valid UTF-8 JSON whatever bytes are typed: a byte that is not UTF-8
# becomes U+FFFD in the box text and in the error box's text.
set -u
bin=$1
cli="$bin/varnloft-cli --now 2026-12-07T09:05:07"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail=0
# Strict: the bytes are decoded as UTF-8 first (reading stdin as text would let a stray byte
# through as a surrogate escape), then parsed as JSON.
parses() {  # parses NAME FILE: FILE is one valid UTF-8 JSON document
  if ! python3 -c 'import json, sys; json.loads(sys.stdin.buffer.read().decode("utf-8"))' <"$2"
  then
    echo "FAIL: $1: the report is not valid UTF-8 JSON"
    fail=1
  fi
}
check() {  # check NAME FILE PATTERN: FILE holds the fixed string PATTERN
  if ! grep -qF -- "$3" "$2"; then
    echo "FAIL: $1: no '$3'"
    fail=1
  fi
}

$cli --type Edit5=$'\xff' --design >"$work/ff.json"
[ $? -eq 0 ] || { echo "FAIL: exit status"; fail=1; }
parses "0xFF typed" "$work/ff.json"
check "box text" "$work/ff.json" $'"Edit5": {"text": "\xef\xbf\xbd"'
check "error text" "$work/ff.json" $'"text": "\'\xef\xbf\xbd\' is not a valid floating point value"'

# A cut-off character, an overlong form and a surrogate in a combo box, and the report's other
# texts around them.
$cli --type ComboBox8=$'2\xe2\x82\xc0\xaf\xed\xa0\x80' --design >"$work/mixed.json"
parses "ill-formed sequences" "$work/mixed.json"
check "one U+FFFD each" "$work/mixed.json" \
  $'"ComboBox8": {"text": "2\xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd"'

# Well-formed UTF-8 passes unchanged, and the report still parses.
$cli --type Edit5=$'f\xc3\xbcnf' --design >"$work/utf8.json"
parses "well-formed" "$work/utf8.json"
check "kept" "$work/utf8.json" $'"Edit5": {"text": "f\xc3\xbcnf"'

[ $fail -eq 0 ] && echo "cli utf-8 report: all checks passed"
exit $fail
