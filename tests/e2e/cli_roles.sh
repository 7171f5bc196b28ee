#!/usr/bin/env bash
# The driver by role names, run as a builder runs it: --set gives the record that typing into
# the boxes and pressing Design gives, a design file named first is opened and its packet
# written, --roles lists the inputs, and bad texts and names are refused as documented.
set -u
bin=$1
cli="$bin/varnloft-cli --now 2007-01-05T09:05:07"
# shellcheck source=SCRIPTDIR/lib/checks.sh
source "$(dirname "$0")/lib/checks.sh"
needs jq pdftotext

# The same table by role and by the window's boxes.
$cli --set overallLength="8' 6 1/2\"" >"$work/set.json"
same "set exit" $? 0
$cli --type Edit1=8 --type Edit2=6 --type Edit3=8 --design >"$work/typed.json"
same "same record" "$(jq -c .record "$work/set.json")" "$(jq -c .record "$work/typed.json")"
same "inputs" "$(jq -c .inputs.overallLength "$work/set.json")" '["8","6","8"]'
same "no inputs without the role options" "$(jq -c .inputs "$work/typed.json")" null

# A design file named first: its packet is that design's.
$cli --set overallLength=9 --set tableTopSize="2 X 8" --save-design "$work/nine.varnloft" \
  >/dev/null
same "save exit" $? 0
$cli "$work/nine.varnloft" --export-packet "$work/nine.pdf" >"$work/nine.json"
same "packet exit" $? 0
same "opened length" "$(jq .record.OverallLength "$work/nine.json")" 9
same "opened file" "$(jq -r .file.name "$work/nine.json")" nine.varnloft
text=$(pdftotext -layout "$work/nine.pdf" -)
check "packet of the file's table" "$text" "9'"
check "packet's 2 X 8 tops" "$text" "2 X 8"

# --roles, a bad text, an unknown role.
$cli --roles >"$work/roles.json"
same "roles" "$(jq -c '.roles.legSize.boxes' "$work/roles.json")" '["ComboBox6","Edit26"]'
out=$($cli --set seatHeight=tall)
same "bad text exit" $? 0
check "bad text box" "$out" "\"text\": \"'tall' is not a valid floating point value\""
$cli --set Edit28=1 >/dev/null 2>"$work/err"
same "unknown role exit" $? 2
check "unknown role" "$(cat "$work/err")" "varnloft-cli: unknown role 'Edit28' (--roles lists them)"

[ $fail -eq 0 ] && echo "role options: all checks passed"
exit $fail
