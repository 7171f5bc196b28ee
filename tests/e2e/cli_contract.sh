#!/usr/bin/env bash
# The headless driver's contract: actions in order, the JSON fields, and wrong usage.
set -u
bin=$1
cli="$bin/varnloft-cli --now 2026-12-07T09:05:07"
# shellcheck source=SCRIPTDIR/lib/checks.sh
source "$(dirname "$0")/lib/checks.sh"

out=$($cli)
check "start-up status" "$out" '"StatusPanel0": "Adult Standard Size Table"'
check "start-up status 1" "$out" '"StatusPanel1": "Complimentary Software and Plans Version 6.0.0.2."'
check "title" "$out" '"TitleText": "Tellwick Picnic Tables Varnloft       Monday,  December 7, 2026"'
check "green label" "$out" '"Label25": {"caption": "5   1/2\" ", "visible": true}'
check "size box hidden" "$out" '"ComboBox1": {"text": "2 X 6", "visible": false}'
check "metric enabled" "$out" '"Metric": {"enabled": true, "color": "#800000"}'
check "no dialogs" "$out" '"dialogs": []'
check "leg angle" "$out" '"LegAngle": 30.9637623'

out=$($cli --type Edit17=4 --design)
check "custom design" "$out" '"StatusPanel0": "Custom Design Table"'
check "custom checked" "$out" '"PresetChecked": "Custom Design"'
check "typed text" "$out" '"Edit17": {"text": "4", "visible": true, "left": 160, "width": 40}'
check "custom flag" "$out" '"CustomDesignMode": true'

out=$($cli --type Edit4=abc --design)
check "conversion error" "$out" \
  '{"kind": "error", "text": "'"'"'abc'"'"' is not a valid floating point value", "answer": null}'

out=$($cli --type ComboBox8=2 --answer no --design)
check "overlap question" "$out" '"kind": "question", "text": "The upper legs will overlap  2   11/16\"  under'
check "answered no" "$out" '"answer": "No"}'
check "not repositioned" "$out" '"LegsRepositioned": false'

out=$($cli --locale de_DE)
check "locale names" "$out" 'Montag,  Dezember 7, 2026'

for bad in "--bogus" "--type Edit29=1" "--type Label1=x" "--choose ComboBox8=16" "--answer maybe" \
           "--now yesterday" "--type"; do
  $cli $bad >/dev/null 2>/tmp/varnloft-cli-err.$$
  rc=$?
  lines=$(wc -l </tmp/varnloft-cli-err.$$)
  if [ $rc -ne 2 ] || [ "$lines" -ne 1 ]; then
    echo "FAIL: '$bad' gave exit $rc with $lines stderr lines (want 2 and 1)"
    fail=1
  fi
done
rm -f /tmp/varnloft-cli-err.$$

# The same run twice gives the same bytes.
[ "$($cli --type Edit1=7 --design)" = "$($cli --type Edit1=7 --design)" ] || { echo "FAIL: not reproducible"; fail=1; }

[ $fail -eq 0 ] && echo "cli contract: all checks passed"
exit $fail
