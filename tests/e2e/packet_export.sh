#!/usr/bin/env bash
# The build packet and the SVG exports through the headless driver: the packet read back with
# pdfinfo, pdftotext and pdffonts (pages for a one-page and a two-page plan, every section's
# texts, title, creator, embedded fonts, paper), a template tiled over pages, the SVG files
# parsed as XML and held against the --ops traces of the same pictures, and the errors.
set -u
bin=$1
cli="$bin/varnloft-cli --now 2007-01-05T09:05:07"
# shellcheck source=SCRIPTDIR/lib/checks.sh
source "$(dirname "$0")/lib/checks.sh"
needs pdfinfo pdftotext pdffonts xmllint
pages() { pdfinfo "$1" | sed -n 's/^Pages: *//p'; }

# The built-in table: one page of plans, one of materials, two of cutting diagrams, the safety
# check, two template pages (the leg cut and the brace cut) and the exploded assembly picture.
$cli --export-packet "$work/packet.pdf" >"$work/out.json"
same "packet exit" $? 0
info=$(pdfinfo "$work/packet.pdf")
same "packet pages" "$(pages "$work/packet.pdf")" 8
check "title" "$info" "Title:           Adult Standard Size Table"
check "creator" "$info" "Creator:         Varnloft 6.0.0.2"
check "letter" "$info" "612 x 792 pts (letter)"
fonts=$(pdffonts "$work/packet.pdf" | tail -n +3)
[ -n "$fonts" ] || { echo "FAIL: no fonts listed"; fail=1; }
while read -r line; do
  # name type... encoding emb sub uni object id: "emb" is the fifth field from the end.
  emb=$(awk '{print $(NF-4)}' <<<"$line")
  same "embedded: $line" "$emb" yes
done <<<"$fonts"
text=$(pdftotext -layout "$work/packet.pdf" -)
for want in "Tellwick Picnic Tables Varnloft" "Leg & Support Angles: 31.0°" "««« (2 1/8\" )" \
  "Revised January 27, 2007" \
  "Materials" "Shopping list: lumber" "Cost in all" "\$113.33, at example prices" "Hardware" \
  "Carriage bolt 3/8 × 4 in" \
  "one through each bolt hole of a leg" "Cut list" "31.0° both" "Near misses" \
  "Cutting diagrams" "Board 1 of 14:" "Board 14 of 14:" "offcut" \
  "Full-size templates" "Print at 100 % (no fit to page). Check that this square measures 4 in." \
  "Template 1 of 2: 4 Legs, 2 Outer Supports, 1 Centre Support, 2 Seat Supports" \
  "Template 2 of 2: 2 Braces" "Brace angle 21.6° off square" "4 in" \
  "Assembly" "Leg 4" "Brace 2" "Page 8 of 8"; do
  check "packet text" "$text" "$want"
done
page2=$(pdftotext -f 2 -l 2 -layout "$work/packet.pdf" -)
check "materials on page 2" "$page2" "Page 2 of 8"
check "materials title" "$page2" "Shopping list"
# The record shows the plan name the packet's plans printed.
check "record plan name" "$(cat "$work/out.json")" '"PlanName": "Adult Standard Size Table"'

# The Safety page follows the cutting diagrams: the verdict, the estimate's words, each check.
safety=$(pdftotext -f 5 -l 5 -layout "$work/packet.pdf" -)
for want in "Safety" "PASS: every check passes; Southern Pine No. 2, the table weighs" \
  "one person of 243 lb." "This is an estimate from published reference values, not an engineer's" \
  "front seat, middle of the outer edge: tipping" "Seat Support: stress" "Page 5 of 8"; do
  check "safety page" "$safety" "$want"
done
# The verdict and the sixteen checks.
[ "$(grep -c PASS <<<"$safety")" -eq 17 ] || { echo "FAIL: not 16 passing checks"; fail=1; }
$cli --preset "Adult wheelchair both ends" --export-packet "$work/wheel.pdf" >/dev/null
wheel=$(pdftotext -layout "$work/wheel.pdf" -)
check "a failing packet" "$wheel" "FAIL: a check fails"
grep -qE "^Seat: sag +FAIL" <<<"$wheel" || { echo "FAIL: the sagging seat is not marked"; fail=1; }

# The baby table's plans take two pages; the materials follow on page 3.
$cli --preset "Baby Table" --export-packet "$work/baby.pdf" >/dev/null
total=$(pages "$work/baby.pdf")
[ "$total" -ge 6 ] || { echo "FAIL: baby packet has $total pages"; fail=1; }
check "baby plans page 2" "$(pdftotext -f 2 -l 2 -layout "$work/baby.pdf" -)" "Seat Support Extension from the Leg:"
page3=$(pdftotext -f 3 -l 3 -layout "$work/baby.pdf" -)
check "baby materials" "$page3" "Shopping list"
check "baby page 3" "$page3" "Page 3 of $total"
check "baby title" "$(pdfinfo "$work/baby.pdf")" "Title:           Baby Table"

# Metric on A4.
$cli --page a4 --metric --export-packet "$work/a4.pdf" >/dev/null
check "a4" "$(pdfinfo "$work/a4.pdf")" "(A4)"
check "metric square" "$(pdftotext -layout "$work/a4.pdf" -)" "Check that this square measures 100 mm."

# Seat supports 11 1/4 in deep: their template is taller than the page, tiled over four.
$cli --type Edit25=11.25 --design --export-packet "$work/tiled.pdf" >/dev/null
tiled=$(pdftotext -layout "$work/tiled.pdf" -)
for part in 1 2 3 4; do
  check "tile $part" "$tiled" "Part $part of 4"
done
parts=$(grep -c "Template 2 of 3: 2 Seat Supports" <<<"$tiled")
same "tile captions" "$parts" 4
same "tiled pages" "$(pages "$work/tiled.pdf")" 12

# SVG exports: XML, and the same lines and texts as the recorded drawing of the picture.
$cli --export-svg view="$work/view.svg" --ops view="$work/view.ops" \
  --export-svg plan="$work/plan.svg" --ops plan="$work/plan.ops" \
  --export-svg materials="$work/materials.svg" >"$work/svg.json"
same "svg exit" $? 0
for f in view plan materials; do
  xmllint --noout "$work/$f.svg" || { echo "FAIL: $f.svg is not XML"; fail=1; }
done
for f in view plan; do
  same "$f lines" "$(grep -c '<polyline' "$work/$f.svg")" "$(grep -c '"op":"lineto"' "$work/$f.ops")"
  same "$f texts" "$(grep -c '<text' "$work/$f.svg")" "$(grep -c '"op":"text"' "$work/$f.ops")"
done
check "degree sign" "$(cat "$work/plan.svg")" "> 31.0°     4 Legs   (2 X 4)  width.<"
check "guillemets" "$(cat "$work/plan.svg")" ">««« (2   1/8&quot;  )<"
check "materials svg" "$(cat "$work/materials.svg")" "Board 14 of 14:"
# Exporting the view changes nothing the driver reports.
same "view export leaves the report" "$($cli --export-svg view="$work/again.svg")" "$($cli)"

# A file that cannot be written: the JSON, then the message on stderr, exit 1, no file.
$cli --export-packet "$work/missing/p.pdf" >"$work/out.json" 2>"$work/err"
same "unwritable packet exit" $? 1
check "unwritable packet message" "$(cat "$work/err")" "could not be written"
check "json before the error" "$(tail -1 "$work/out.json")" "}"
$cli --export-svg plan="$work/missing/p.svg" >/dev/null 2>"$work/err"
same "unwritable svg exit" $? 1
[ -e "$work/missing" ] && { echo "FAIL: a folder appeared"; fail=1; }

# After a failed calculation the packet is refused: an error box, no file.
out=$($cli --type Edit4=abc --export-packet "$work/bad.pdf")
check "refused" "$out" "'abc' is not a valid floating point value"
[ -e "$work/bad.pdf" ] && { echo "FAIL: a refused packet was written"; fail=1; }

# Wrong usage.
for bad in "--export-packet x.ps" "--export-svg sheet=x.svg" "--export-svg view=x.png" \
  "--export-svg view" "--export-svg view="; do
  $cli $bad >/dev/null 2>&1
  [ $? -eq 2 ] || { echo "FAIL: '$bad' is not a usage error"; fail=1; }
done
help=$($cli --help)
check "help packet" "$help" "--export-packet FILE"
check "help svg" "$help" "--export-svg WHAT=FILE"

[ $fail -eq 0 ] && echo "packet export: all checks passed"
exit $fail
