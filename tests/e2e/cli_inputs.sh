#!/usr/bin/env bash
# The headless driver's measure, preset, lumber-size and option-dialog actions.
set -u
bin=$1
cli="$bin/varnloft-cli --now 2026-12-07T09:05:07"
# shellcheck source=SCRIPTDIR/lib/checks.sh
source "$(dirname "$0")/lib/checks.sh"

out=$($cli --metric)
check "metric length" "$out" '"Edit2": {"text": "829", "visible": true, "left": 180, "width": 60}'
check "metric hidden box" "$out" '"Edit3": {"text": "0", "visible": false'
check "metric heading" "$out" '"Label1": {"caption": "metres", "visible": true, "left": 125}'
check "metric status" "$out" '"StatusPanel0": "   Metric Measure Selected "'

out=$($cli --metric --imperial)
check "back to imperial" "$out" '"Edit18": {"text": "16", "visible": true, "left": 208, "width": 40}'
check "imperial width" "$out" '"Edit21": {"text": "5.51", "visible": true, "left": 560, "width": 40}'

out=$($cli --preset "Childrens  Standard")
check "preset status" "$out" '"StatusPanel0": "Childrens Table (3 To 9 Years Old)"'
check "preset checked" "$out" '"PresetChecked": "Childrens  Standard"'
check "preset no question" "$out" '"dialogs": []'

$cli --preset "Childrens Standard" >/dev/null 2>&1
[ $? -eq 2 ] || { echo "FAIL: a caption with one blank is not a preset"; fail=1; }
$cli --thickness 12 >/dev/null 2>&1
[ $? -eq 2 ] || { echo "FAIL: --thickness needs a colon"; fail=1; }

out=$($cli --choose "ComboBox1=2 X 10")
check "hidden size box clicked back" "$out" '"Edit21": {"text": "9.25"'
out=$($cli --metric --type "ComboBox1=2 X 10")
check "typed metric size" "$out" '"Edit21": {"text": "235"'

out=$($cli --thickness 0:12)
check "thickness mm" "$out" '"OKRightDlg.Label5": "19"'
check "thickness label" "$out" '"Label47": {"caption": "(  3/4\"  )", "visible": true}'
check "thickness closed" "$out" '"MainWindowEnabled": true'
out=$($cli --thickness 0:12 --thickness-cancel)
check "thickness cancel" "$out" '"OKRightDlg.Edit2": "8"'
check "thickness default" "$out" '"LumberThickness": 0.125'

out=$($cli --scale 50)
check "scale status" "$out" '"StatusPanel0": "50.0% of size shown in design panel above. "'
check "scale select" "$out" '"OKBottomDlg.Select": "21.4"'
out=$($cli --scale 0)
check "scale refused" "$out" '"ModelScale": false'
check "scale refused enabled" "$out" '"MainWindowEnabled": true'
check "scale refused box" "$out" '"kind": "error"'

out=$($cli --answer no --model-toggle)
check "toggle declined" "$out" '"ModelMenuCaption": "Miniture Model Tables   (21.4% reduction of actual size)   "'
out=$($cli --model-toggle --model-toggle)
check "toggle restored" "$out" '"StatusPanel0": "Tellwick Picnic Tables Varnloft"'

exit $fail
