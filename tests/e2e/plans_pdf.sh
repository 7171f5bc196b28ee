#!/usr/bin/env bash
# The plans through the headless driver: printed plans as PDF files (page count, paper, texts)
# and the plan sheet saved as a bitmap (header, size, and that it reads back as the sheet).
set -u
bin=$1
cli="$bin/varnloft-cli --now 2007-01-05T09:05:07"
# shellcheck source=SCRIPTDIR/lib/checks.sh
source "$(dirname "$0")/lib/checks.sh"
needs pdfinfo pdftotext identify compare

# The built-in table prints on one US Letter page.
$cli --print-pdf "$work/plans.pdf" --ops print="$work/print.ops" >"$work/out.json"
same "print exit" $? 0
info=$(pdfinfo "$work/plans.pdf")
check "one page" "$info" "Pages:           1"
check "letter" "$info" "612 x 792 pts (letter)"
text=$(pdftotext -layout "$work/plans.pdf" -)
check "title" "$text" "Tellwick Picnic Tables Varnloft"
check "plan name" "$text" "Adult Standard Size Table"
check "web address" "$text" "www.tellwicktables.example"
check "legs" "$text" "4 Legs"
check "leg size" "$text" "(2 X 4)"
check "angle" "$text" "Leg & Support Angles: 31.0°"
check "diagonal" "$text" "vis-à-vis:"
check "cut offset" "$text" "««« (2"
check "area" "$text" "Table Top Area: 17.1 ft.²"
check "created using" "$text" "Varnloft,\" Complimentary Software"
check "revision" "$text" "Revised January 27, 2007"
[ "$(grep -c 'continued on Page 2' <<<"$text")" = 0 ] || { echo "FAIL: one page continued"; fail=1; }
same "ops page" "$(head -1 "$work/print.ops")" '{"op":"page","number":1,"width":4934,"height":6434}'
check "record plan name" "$(cat "$work/out.json")" '"PlanName": "Adult Standard Size Table"'
check "record table top" "$(cat "$work/out.json")" '"TableTopLength": 6'

# A4 on request, with its own printable area.
$cli --page a4 --print-pdf "$work/a4.pdf" --ops print="$work/a4.ops" >/dev/null
check "a4" "$(pdfinfo "$work/a4.pdf")" "(A4)"
same "a4 page op" "$(head -1 "$work/a4.ops")" '{"op":"page","number":1,"width":4792,"height":6851}'

# The baby table needs a second page.
$cli --preset "Baby Table" --print-pdf "$work/baby.pdf" --ops print="$work/baby.ops" >/dev/null
info=$(pdfinfo "$work/baby.pdf")
check "two pages" "$info" "Pages:           2"
page1=$(pdftotext -f 1 -l 1 -layout "$work/baby.pdf" -)
page2=$(pdftotext -f 2 -l 2 -layout "$work/baby.pdf" -)
check "continued" "$page1" "-- continued on Page 2 --"
check "page 2 number" "$page2" "Page 2"
check "page 2 name" "$page2" "Baby Table"
check "page 2 notes" "$page2" "Seat Support Extension from the Leg:"
[ "$(grep -c '"op":"page"' "$work/baby.ops")" = 2 ] || { echo "FAIL: two page ops"; fail=1; }

# The sheet saved as a bitmap and as PNG in one run: the same 681 x 1014 picture.
$cli --save-plan "$work/plan.bmp" --save-plan "$work/plan.png" --ops plan="$work/plan.ops" \
  >"$work/save.json"
same "save exit" $? 0
same "bmp magic" "$(head -c 2 "$work/plan.bmp")" "BM"
same "bmp width" "$(od -An -tu4 -j18 -N4 "$work/plan.bmp" | tr -d ' ')" 681
same "bmp height" "$(od -An -tu4 -j22 -N4 "$work/plan.bmp" | tr -d ' ')" 1014
same "identify" "$(identify -format '%m %wx%h' "$work/plan.bmp" | sed 's/^BMP[0-9]*/BMP/')" \
  "BMP 681x1014"
diff=$(compare -metric AE "$work/plan.bmp" "$work/plan.png" null: 2>&1)
same "bmp reads back as the sheet" "$diff" 0
# Not blank: the sheet's navy lines and maroon text are there.
colours=$(convert "$work/plan.bmp" -format %c histogram:info:-)
check "navy lines" "$colours" "#000080"
check "saved then closed" "$(cat "$work/save.json")" '"BitBtn4": {"enabled": true, "color": "#800000"}'
check "plan ops" "$(cat "$work/plan.ops")" '"text":"Adult Standard Size Table"'

# A file that cannot be written: exit 1, a message, and no file.
$cli --save-plan "$work/missing/plan.bmp" >/dev/null 2>"$work/err"
same "unwritable bitmap exit" $? 1
check "unwritable bitmap message" "$(cat "$work/err")" "could not be written"
$cli --print-pdf "$work/missing/plans.pdf" >/dev/null 2>"$work/err"
same "unwritable pdf exit" $? 1
[ -e "$work/missing" ] && { echo "FAIL: a folder appeared"; fail=1; }

# After a failed calculation the plans are refused and nothing is written.
out=$($cli --type Edit4=abc --design --save-plan "$work/bad.bmp")
check "refused" "$out" "The plans cannot be drawn: the last design calculation stopped on an error"
[ -e "$work/bad.bmp" ] && { echo "FAIL: a refused plan was saved"; fail=1; }

# Wrong usage.
for bad in "--save-plan x.jpg" "--print-pdf x.ps" "--page a3" "--ops plans=x"; do
  $cli $bad >/dev/null 2>&1
  [ $? -eq 2 ] || { echo "FAIL: '$bad' is not a usage error"; fail=1; }
done

# A custom design's plan name carries the time stamp of --now.
out=$($cli --type Edit17=4 --design --ops plan="$work/custom.ops")
check "custom plan name" "$out" '"PlanName": "Custom Design Table 0152007-090507"'

[ $fail -eq 0 ] && echo "plans pdf: all checks passed"
exit $fail
