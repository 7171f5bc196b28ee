#!/usr/bin/env bash
# The real program under a private X server saves a design through its real Save As dialog,
# is started again with the file on its command line, and shows the same design; then it asks
# about unsaved changes when told to quit. Clicks and keys come from xdotool; after each step
# the state the program writes (VARNLOFT_STATE_DUMP) is read and the screen kept.
set -u
bin=$1
for tool in Xvfb xdotool import; do
  command -v $tool >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
work=$(mktemp -d)
shots=${VARNLOFT_E2E_SHOTS:-$work/shots}
mkdir -p "$shots"
state=$work/state.json
for n in $(seq 150 199); do [ -e /tmp/.X$n-lock ] || { disp=":$n"; break; }; done
Xvfb "$disp" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
app=""
cleanup() { [ -n "$app" ] && kill $app 2>/dev/null; kill $xvfb 2>/dev/null; wait 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT
# The user's settings (Open Recent) and the dialogs' start folder live in the scratch folder.
export DISPLAY=$disp LC_ALL=C TZ=UTC QT_QPA_PLATFORM=xcb HOME=$work XDG_CONFIG_HOME=$work/config
sleep 1
fail=0
step=0

start() { VARNLOFT_STATE_DUMP=$state "$bin/varnloft" "$@" >>"$work/app.log" 2>&1 & app=$!; }
stop() { kill $app 2>/dev/null; wait $app 2>/dev/null; app=""; rm -f "$state" "$state.geometry"; }
# expect TEXT: the state holds TEXT within 10 seconds.
expect() {
  for _ in $(seq 100); do
    grep -qF -- "$1" "$state" 2>/dev/null && return 0
    sleep 0.1
  done
  echo "FAIL (step $step): state lacks: $1"
  fail=1
  return 1
}
shot() { step=$((step + 1)); import -window root "$shots/$(printf %02d $step)-$1.png"; }
centre() {
  local g
  g=$(grep -o "\"$1\": \[[-0-9, ]*\]" "$state.geometry" | grep -o '\[.*\]' | tr -d '[],')
  [ -n "$g" ] || { echo "FAIL: no control $1 on screen"; fail=1; return 1; }
  set -- $g
  echo "$(($1 + $3 / 2)) $(($2 + $4 / 2))"
}
click() { local c; c=$(centre "$1") || return 1; xdotool mousemove $c click 1; sleep 0.3; }
type_into() { click "$1" && xdotool key ctrl+a && xdotool type --delay 30 "$2"; sleep 0.2; }
menu() { xdotool key "alt+$1"; sleep 0.4; for _ in $(seq "$2"); do xdotool key Down; done; xdotool key Return; sleep 0.5; }
# The record and controls of a state file.
design_of() { sed -n '/^  "record": {/,/^  "dialogs":/p' "$1" | sed '$d'; }

start
expect '"LegAngle": 30.9637623' || { cat "$work/app.log"; exit 1; }
menu p 4  # Pre-Settings > Tall Boy
expect '"StatusPanel0": "Tall Boy Table (Persons over 6'"'"' tall)"'
type_into Edit17 4
click BitBtn3
click RadioButton2
click Metric
expect '"Edit17": {"text": "102", "visible": true, "left": 180, "width": 60}'
click BitBtn3  # as the activation after opening will, Design names the custom design
expect '"StatusPanel0": "Custom Design Table"'
expect '"SupportsExterior": false'
shot designed

xdotool key ctrl+shift+s  # File > Save As...: the real file dialog
sleep 1
shot save-dialog
xdotool key ctrl+a && xdotool type --delay 20 "$work/garden.varnloft" && xdotool key Return
for _ in $(seq 50); do [ -s "$work/garden.varnloft" ] && break; sleep 0.1; done
step=$((step + 1))
if ! grep -qF '"format": "varnloft-design"' "$work/garden.varnloft" 2>/dev/null; then
  echo "FAIL (step $step): no design file was saved"
  fail=1
fi
sleep 0.5
xdotool search --name "garden.varnloft" >/dev/null || { echo "FAIL: the title does not name the file"; fail=1; }
shot saved
cp "$state" "$work/saved-state.json"
stop

# Started again with the file: the same design, designed once by the first activation.
start "$work/garden.varnloft"
expect '"Edit17": {"text": "102", "visible": true, "left": 180, "width": 60}'
expect '"LegAngle"'
sleep 1
shot reopened
step=$((step + 1))
if [ "$(design_of "$work/saved-state.json")" != "$(design_of "$state")" ]; then
  echo "FAIL (step $step): the reopened design differs from the saved one:"
  diff <(design_of "$work/saved-state.json") <(design_of "$state") | head -n 10
  fail=1
fi
grep -qF '"dialogs": []' "$state" || { echo "FAIL: opening asked or reported something"; fail=1; }

# A change, then Ctrl+Q: the unsaved-changes question; Escape cancels and the program stays.
click RadioButton1
expect '"SupportsExterior": true'
xdotool key ctrl+q
sleep 1
shot unsaved-question
xdotool key Escape
expect '{"kind": "question", "text": "Save changes to garden.varnloft before closing?", "answer": "Cancel"}'
sleep 0.5
kill -0 $app 2>/dev/null || { echo "FAIL: the program ended although Cancel was chosen"; fail=1; }
# Ctrl+Z undoes the support side without a question.
xdotool key ctrl+z
expect '"SupportsExterior": false'
shot undone
stop

[ $fail -eq 0 ] && echo "real program with files: all steps passed ($step screenshots in $shots)"
exit $fail
