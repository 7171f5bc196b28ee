#!/usr/bin/env bash
# The driver's safety check: the report parses and its suggestions pass when designed, the
# settings reach it, the standard output stays as it is without it, and bad settings are refused.
set -u
bin=$1
cli="$bin/varnloft-cli --now 2026-12-07T09:05:07"
# shellcheck source=SCRIPTDIR/lib/checks.sh
source "$(dirname "$0")/lib/checks.sh"
needs jq
bad() { echo "FAIL: $*"; fail=1; }

plain=$($cli --preset "Adult Standard")
with=$($cli --check "$work/a.json" --preset "Adult Standard")
[ "$plain" = "$with" ] || bad "--check changed the standard output"
same "the built-in table passes" "$(jq -c '.check.ok, .check.reason, .check.suggestions' \
  "$work/a.json" | tr '\n' ' ')" "true null [] "
same "the imperial default species" "$(jq -r .check.species.name "$work/a.json")" \
  "Southern Pine No. 2"
same "the adult" "$(jq .check.person.mass_kg "$work/a.json")" "110"
jq -e '.check.stability | length == 10' "$work/a.json" >/dev/null || bad "not ten tipping cases"
jq -e '[.check.strength[].member] == ["Table Top", "Seat", "Seat Support"]' "$work/a.json" \
  >/dev/null || bad "the members checked"

# The wheelchair table's seats sag: each suggestion with inputs, typed in by role, passes.
$cli --preset "Adult wheelchair both ends" --check "$work/w.json" >/dev/null
jq -e '.check.ok == false and ([.check.strength[] | select(.member == "Seat") | .ok] == [false])' \
  "$work/w.json" >/dev/null || bad "the wheelchair table's seats pass"
n=$(jq '[.check.suggestions[] | select(.inputs != {})] | length' "$work/w.json")
[ "$n" -ge 1 ] || bad "no suggestion with inputs"
for i in $(seq 0 $((n - 1))); do
  s=$(jq -c "[.check.suggestions[] | select(.inputs != {})][$i]" "$work/w.json")
  member=$(jq -r '.check | sub("strength: "; "")' <<<"$s")
  # Each input's box texts, typed as the design file keeps them: the first box holds a text the
  # role reads whole (the length in feet, inches, sixteenths; the lumber's size).
  args=()
  while IFS=$'\t' read -r role texts; do
    args+=(--set "$role=$texts")
  done < <(jq -r '.inputs | to_entries[] | [.key, (if .key == "overallLength" then
      "\(.value[0])'"'"' \(.value[1]) \(.value[2])/16\"" else .value[0] end)] | @tsv' <<<"$s")
  $cli --preset "Adult wheelchair both ends" "${args[@]}" --check "$work/s$i.json" >/dev/null
  jq -e --arg m "$member" '[.check.strength[] | select(.member == $m) | .ok] == [true]' \
    "$work/s$i.json" >/dev/null || bad "suggestion $s does not pass"
done
jq -e '[.check.suggestions[] | select(.inputs == {}) | .person_kg] | length == 1 and .[0] < 110' \
  "$work/w.json" >/dev/null || bad "no lighter person suggested"

# The children's table with one wheelchair end fails its four figures there: each wheelchair
# suggestion, its inputs typed in by role, passes the figures its check names at that end.
$cli --preset "Childrens wheelchair one end" --check "$work/c.json" >/dev/null
n=$(jq '[.check.suggestions[] | select(.check | startswith("wheelchair: "))] | length' "$work/c.json")
[ "$n" -ge 4 ] || bad "only $n wheelchair suggestions"
for i in $(seq 0 $((n - 1))); do
  s=$(jq -c "[.check.suggestions[] | select(.check | startswith(\"wheelchair: \"))][$i]" \
    "$work/c.json")
  args=()
  while IFS=$'\t' read -r role texts; do
    args+=(--set "$role=$texts")
  done < <(jq -r '.inputs | to_entries[] | [.key, (
      if .key == "tableHeight" then "\(.value[0])'"'"' \(.value[1]) \(.value[2])/16\""
      elif (.key | endswith("Overhang")) then "\(.value[0]) \(.value[1])/16\""
      else .value[0] end)] | @tsv' <<<"$s")
  $cli --preset "Childrens wheelchair one end" "${args[@]}" --check "$work/c$i.json" >/dev/null
  figures=$(jq -c '.check as $c | if ($c | contains("every figure"))
      then ["table_height", "knee_height", "knee_width", "knee_depth"]
      else ["table height", "knee height", "knee width", "knee depth"]
        | map(select(. as $f | $c | contains($f)) | gsub(" "; "_")) end' <<<"$s")
  jq -e --argjson f "$figures" '[.check.accessibility[] | select(.end == "left") | .failed
      | map(select(. as $x | $f | index($x))) | length] == [0]' "$work/c$i.json" >/dev/null ||
    bad "suggestion $s does not pass"
done

# The settings reach the report.
$cli --species "douglas fir-larch no. 2" --person 243lb --deflection-limit L/360 \
  --check "$work/s.json" >/dev/null || bad "the settings' run failed"
same "species" "$(jq -r .check.species.name "$work/s.json")" "Douglas Fir-Larch No. 2"
same "person" "$(jq .check.person.mass_kg "$work/s.json")" "110.22294591"
jq -e '.check.strength[0] | .deflection_limit_m * 360 - .span_m | fabs < 1e-12' "$work/s.json" \
  >/dev/null || bad "the deflection limit is not L/360"
$cli --metric --check "$work/m.json" >/dev/null
same "the metric default species" "$(jq -r .check.species.name "$work/m.json")" "C24"

# The design file's wood: none written unless chosen; a file naming one is checked with it, keeps
# it when saved again, and --species counts over it.
$cli --save-design "$work/d.varnloft" >/dev/null
grep -q '"species"' "$work/d.varnloft" && bad "a design with no wood chosen names one"
jq '. + {species: "Hem-Fir No. 2"}' "$work/d.varnloft" >"$work/h.varnloft"
$cli "$work/h.varnloft" --check "$work/h.json" --save-design "$work/h2.varnloft" >/dev/null
same "the file's species" "$(jq -r .check.species.name "$work/h.json")" "Hem-Fir No. 2"
same "the species kept" "$(jq -r .species "$work/h2.varnloft")" "Hem-Fir No. 2"
$cli "$work/h.varnloft" --species C16 --check "$work/h3.json" >/dev/null
same "--species over the file's" "$(jq -r .check.species.name "$work/h3.json")" "C16"

# The picture: SVG, and a load point that tips the table marked in red only when one does.
needs xmllint
$cli --export-svg safety="$work/ok.svg" >/dev/null || bad "the picture's run failed"
$cli --preset "Adult wheelchair both ends" --person 400 --export-svg safety="$work/tips.svg" \
  --check "$work/tips.json" >/dev/null
xmllint --noout "$work/ok.svg" "$work/tips.svg" || bad "the picture is not XML"
jq -e '[.check.stability[] | select(.ok == false)] | length > 0' "$work/tips.json" >/dev/null ||
  bad "400 kg tips nothing"
grep -qi '#c80000' "$work/tips.svg" || bad "no red mark where the table tips"
grep -qi '#c80000' "$work/ok.svg" && bad "a red mark on a table that does not tip"
$cli --export-svg safety="$work/x.png" >/dev/null 2>&1
[ $? -eq 2 ] || bad "a picture not .svg is not refused"

# After a failed calculation the report says why.
$cli --set overallLength=abc --check "$work/f.json" >/dev/null
jq -e '.check.ok == false and (.check.reason | test("cannot be made")) and .check.table == null' \
  "$work/f.json" >/dev/null || bad "a failed calculation's report"

# An unwritable file: exit 1, the JSON whole on stdout.
out=$($cli --check "$work/no/such/dir/x.json" 2>"$work/err")
rc=$?
[ $rc -eq 1 ] || bad "an unwritable --check file exits $rc, not 1"
jq -e . <<<"$out" >/dev/null || bad "stdout is not whole JSON"

# Wrong usage: one line on stderr, exit 2, no file.
for args in "--species Oak" "--person 0" "--person 12stone" "--deflection-limit 0" \
  "--check $work/x.txt" "--species"; do
  $cli $args --check "$work/u.json" >/dev/null 2>"$work/err"
  rc=$?
  [ $rc -eq 2 ] && [ "$(wc -l <"$work/err")" -eq 1 ] || bad "'$args' gave exit $rc"
  [ ! -e "$work/u.json" ] || bad "'$args' wrote a report"
done
check "the refused species" "$($cli --species Oak 2>&1)" "unknown species 'Oak'"

[ $fail -eq 0 ] && echo "safety driver: all checks passed"
exit $fail
