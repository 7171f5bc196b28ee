# Sourced by the end-to-end scripts that drive the real program under a private X server:
# starts Xvfb, and gives the steps the scripts are written in (read the state the program writes
# to VARNLOFT_STATE_DUMP, keep a screenshot, click and type with xdotool, open menus by keyboard).
# Sets: work (a scratch folder, removed at exit), shots, state, app (the program's pid, set by
# the script), fail and step.
for tool in Xvfb xdotool import; do
  command -v $tool >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
work=$(mktemp -d)
shots=${VARNLOFT_E2E_SHOTS:-$work/shots}
mkdir -p "$shots"
state=$work/state.json
# Xvfb picks a free display itself and writes its number (-displayfd): two scripts run side by
# side by ctest -j must not both choose the same display before either has taken it.
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
app=""
cleanup() { [ -n "$app" ] && kill $app 2>/dev/null; kill $xvfb 2>/dev/null; wait 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "FAIL: Xvfb did not start"; exit 1; }
disp=":$(head -n 1 "$work/display")"
export DISPLAY=$disp LC_ALL=C TZ=UTC QT_QPA_PLATFORM=xcb
sleep 1
fail=0
step=0

# expect TEXT: the state holds TEXT within 10 seconds.
expect() {
  for _ in $(seq 100); do
    grep -qF -- "$1" "$state" 2>/dev/null && return 0
    sleep 0.1
  done
  echo "FAIL (step $step): state lacks: $1"; [ -n "${VARNLOFT_E2E_DEBUG:-}" ] && grep -E "PlanName|StatusPanel0|MainWindowEnabled" "$state"
  fail=1
  return 1
}
shot() { step=$((step + 1)); import -window root "$shots/$(printf %02d $step)-$1.png"; }
# Centre of a control, from the geometry the program writes next to its state.
centre() {
  local g
  g=$(grep -o "\"$1\": \[[-0-9, ]*\]" "$state.geometry" | grep -o '\[.*\]' | tr -d '[],')
  [ -n "$g" ] || { echo "FAIL: no control $1 on screen"; fail=1; return 1; }
  set -- $g
  echo "$(($1 + $3 / 2)) $(($2 + $4 / 2))"
}
click() { local c; c=$(centre "$1") || return 1; xdotool mousemove $c click 1; sleep 0.3; }
type_into() { click "$1" && xdotool key ctrl+a && xdotool type --delay 30 "$2"; sleep 0.2; }
# A menu by its mnemonic, then DOWN presses to the item (the first item is highlighted).
menu() { xdotool key "alt+$1"; sleep 0.4; for _ in $(seq "$2"); do xdotool key Down; done; xdotool key Return; sleep 0.5; }
