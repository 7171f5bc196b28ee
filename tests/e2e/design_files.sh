#!/usr/bin/env bash
# The headless driver's design files and history: a saved design opened again designs the same
# table; --undo after each kind of step gives the record and controls from before it, --redo
# those from after it; the unsaved-changes question and its answers; refused files and failed
# saves; and "file" and "history" only in runs that use these options.
set -u
bin=$1
cli="$bin/varnloft-cli --now 2026-12-07T09:05:07"
# shellcheck source=SCRIPTDIR/lib/checks.sh
source "$(dirname "$0")/lib/checks.sh"
# The "record" and "controls" members of a report, which undo and redo must bring back exactly.
design_of() { sed -n '/^  "record": {/,/^  "dialogs":/p' <<<"$1" | sed '$d'; }
same_design() {  # same_design NAME REPORT1 REPORT2
  if [ "$(design_of "$2")" != "$(design_of "$3")" ]; then
    echo "FAIL: $1: the record and controls differ:"
    diff <(design_of "$2") <(design_of "$3") | head -n 8
    fail=1
  fi
}

# Saved, then opened: the activation after the file dialog designs the same table.
saved=$($cli --preset "Tall Boy" --type Edit17=4 --choose ComboBox8=9 --interior \
  --save-design "$work/tall.varnloft" --activate)
check "saved file" "$saved" '"file": {"name": "tall.varnloft", "modified": false}'
opened=$($cli --open "$work/tall.varnloft")
same_design "open after save" "$saved" "$opened"
check "opened file" "$opened" '"file": {"name": "tall.varnloft", "modified": false}'
check "history cleared" "$opened" '"history": {"undo": null, "redo": null}'
check "no dialogs" "$opened" '"dialogs": [],'
grep -qF '"seatToTableDistance": ["4", "0"],' "$work/tall.varnloft" ||
  { echo "FAIL: the file lacks the typed texts"; fail=1; }

# Each kind of step, undone and redone, from a design that is not the start-up one.
base=(--preset "Adult econo")
steps=("--type Edit17=4" "--choose ComboBox8=4" "--preset Tall_Boy" "--metric" "--interior"
       "--thickness 0:12" "--thickness-cancel" "--scale 50" "--model-toggle" "--type ComboBox3=2_X_8")
names=("Typing: Seat to Table Distance" "Choice: Number of Deck Members" "Preset: Tall Boy"
       "Metric Measure" "Support Side: Interior" "Lumber Thickness" "Lumber Thickness"
       "Model Scale Percentage" "21.4% Model Scale" "Typing: Outer Supports")
before=$($cli "${base[@]}" --thickness 1:4)
for i in "${!steps[@]}"; do
  read -r -a step <<<"${steps[$i]}"
  step=("${step[@]//_/ }")
  after=$($cli "${base[@]}" --thickness 1:4 "${step[@]}")
  undone=$($cli "${base[@]}" --thickness 1:4 "${step[@]}" --undo)
  redone=$($cli "${base[@]}" --thickness 1:4 "${step[@]}" --undo --redo)
  same_design "undo ${steps[$i]}" "$before" "$undone"
  same_design "redo ${steps[$i]}" "$after" "$redone"
  check "undo name ${steps[$i]}" "$undone" "\"history\": {\"undo\": \"Undo Lumber Thickness\", \"redo\": \"Redo ${names[$i]}\"}"
  check "redo name ${steps[$i]}" "$redone" "\"history\": {\"undo\": \"Undo ${names[$i]}\", \"redo\": null}"
done

# A declined toggle and a design are no steps.
out=$($cli --answer no --model-toggle --design --undo)
check "nothing to undo" "$out" '"history": {"undo": null, "redo": null}'
check "not modified" "$out" '"file": {"name": null, "modified": false}'

# The unsaved-changes question: Discard goes on, Cancel stops, Save of an untitled design saves
# nothing and counts as Cancel.
out=$($cli --preset "Baby Table" --answer no --new)
check "question" "$out" '{"kind": "question", "text": "Save changes to Untitled before closing?", "answer": "Discard"}'
same_design "new is the start-up design" "$($cli --design)" "$out"
for answer in cancel yes; do
  out=$($cli --preset "Baby Table" --answer $answer --open "$work/tall.varnloft")
  check "kept on $answer" "$out" '"PresetChecked": "Baby Table"'
  check "still modified on $answer" "$out" '"file": {"name": null, "modified": true}'
done
out=$($cli --open "$work/tall.varnloft" --metric --answer yes --open "$work/tall.varnloft")
check "saved before opening" "$out" '"answer": "Save"}'
grep -qF '"measure": "metric"' "$work/tall.varnloft" || { echo "FAIL: Save did not write"; fail=1; }

# Refused files: an error box, exit 0, nothing changed.
printf '{"format": "varnloft-design", "version": 1,\n "measure": metric}' >"$work/bad.varnloft"
out=$($cli --preset "Tall Boy" --answer no --open "$work/bad.varnloft")
rc=$?
[ $rc -eq 0 ] || { echo "FAIL: a refused file gave exit $rc"; fail=1; }
check "refusal" "$out" 'Cannot open \"bad.varnloft\": it is not JSON (line 2, column 13: expected a value). Nothing was changed.'
check "unchanged" "$out" '"PresetChecked": "Tall Boy"'

# A hand-written file with keys missing: they are named.
printf '{"format": "varnloft-design", "version": 1, "measure": "metric", "inputs": {}}' >"$work/few.varnloft"
out=$($cli --open "$work/few.varnloft")
check "metric boxes" "$out" '"Edit2": {"text": "829", "visible": true, "left": 180, "width": 60}'
check "missing keys" "$out" 'has no value for inputs.overallLength, inputs.tableHeight'

# A save that fails: the JSON, then one line on stderr, exit 1; still unsaved.
out=$($cli --preset "Tall Boy" --save-design "$work/none/x.varnloft" 2>"$work/err")
rc=$?
[ $rc -eq 1 ] || { echo "FAIL: a failed save gave exit $rc"; fail=1; }
check "failed save" "$(cat "$work/err")" 'varnloft-cli: Cannot save "x.varnloft": No such file or directory. The design is not saved.'
[ "$(wc -l <"$work/err")" -eq 1 ] || { echo "FAIL: stderr is not one line"; fail=1; }
check "failed save box" "$out" '{"kind": "error", "text": "Cannot save \"x.varnloft\": No such file or directory.'
check "unsaved" "$out" '"file": {"name": null, "modified": true}'

# Without these options the report has neither member.
out=$($cli --preset "Tall Boy")
if grep -qE '"(file|history)":' <<<"$out"; then echo "FAIL: file or history without file options"; fail=1; fi

[ $fail -eq 0 ] && echo "design files: all checks passed"
exit $fail
