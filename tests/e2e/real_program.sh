#!/usr/bin/env bash
# Drives the real program under a private X server as a person would: clicks and typing with
# xdotool, menus by keyboard, message boxes answered with the keyboard. After each step it reads
# the state the program writes (VARNLOFT_STATE_DUMP) and keeps a screenshot of the screen.
set -u
bin=$1
source "$(dirname "$0")/lib/x_session.sh"
VARNLOFT_STATE_DUMP=$state "$bin/varnloft" >"$work/app.log" 2>&1 &
app=$!

expect '"LegAngle": 30.9637623' || { cat "$work/app.log"; exit 1; }
expect '"StatusPanel0": "Adult Standard Size Table"'
expect '"Label25": {"caption": "5   1/2\" ", "visible": true}'
shot start-up

type_into Edit17 4
click BitBtn3
expect '"StatusPanel0": "Custom Design Table"'
expect '"SeatToTableDistance": 0.333333343'
expect '"PresetChecked": "Custom Design"'
shot typed-and-designed

# Return in a box presses Design, as does the keypad's Enter; the typing is not lost.
type_into Edit1 7
xdotool key Return
expect '"OverallLength": 7,'
expect '"Edit1": {"text": "7"'
shot enter-designs
type_into Edit1 6
xdotool key KP_Enter
expect '"OverallLength": 6,'

click Metric
expect '"StatusPanel0": "   Metric Measure Selected "'
expect '"Label25": {"caption": "140 mm ", "visible": true}'
expect '"Edit17": {"text": "102", "visible": true, "left": 180, "width": 60}'
shot metric

click Imperial
expect '"StatusPanel0": "   Imperial Measure Selected "'
expect '"Edit2": {"text": "0", "visible": true, "left": 160, "width": 40}'
shot imperial

menu p 9  # Pre-Settings > Baby Table
expect '"StatusPanel0": "Baby Table (Up to 3 Years Old)"'
expect '"LumberThickness": 0.0625'
shot baby-table
menu p 0  # Pre-Settings > Adult Standard
expect '"StatusPanel0": "Adult Standard Size Table"'
expect '"LumberThickness": 0.125'

click RadioButton2
expect '"SupportsExterior": false'
shot interior-supports
click RadioButton1
expect '"SupportsExterior": true'

type_into Edit4 abc
click BitBtn3
sleep 0.5
shot error-box
xdotool key Return
expect "\"text\": \"'abc' is not a valid floating point value\""
expect '"Edit4": {"text": "abc"'
type_into Edit4 2
click BitBtn3

menu o 0  # Options > Lumber Thickness: the main window takes no input while it is open
expect '"MainWindowEnabled": false'
shot thickness-dialog
xdotool key Escape
expect '"MainWindowEnabled": true'

menu o 1  # Options > User Defined Percentage Setting
expect '"MainWindowEnabled": false'
xdotool key ctrl+a && xdotool type --delay 30 50 && xdotool key Return
expect '"StatusPanel0": "50.0% of size shown in design panel above. "'
expect '"MainWindowEnabled": true'
shot half-scale

click BitBtn4  # Plans: the plan sheet in its own modal window
sleep 1
shot plans-window
xdotool key space  # Save has the focus: the save dialog proposes the plan's name
sleep 1
shot save-dialog
xdotool key ctrl+a && xdotool type --delay 20 "$work/saved-plan.bmp" && xdotool key Return
sleep 1
xdotool key Escape  # close the plans window
sleep 0.5
step=$((step + 1))
if [ "$(head -c 2 "$work/saved-plan.bmp" 2>/dev/null)" != "BM" ]; then
  echo "FAIL (step $step): the saved plan is not a bitmap"
  fail=1
elif ! identify "$work/saved-plan.bmp" | grep -q ' 681x1014 '; then
  echo "FAIL (step $step): the saved plan is not 681 x 1014: $(identify "$work/saved-plan.bmp")"
  fail=1
fi
expect '"PlanName": "50.0% of size shown in design panel above. "'

menu h 0  # Help > About, modal; closing it activates the main window again
sleep 0.5
shot about
xdotool key Return
sleep 0.5
menu h 1  # Help > Illustrations, not modal
sleep 0.5
shot illustrations

kill $app 2>/dev/null
[ $fail -eq 0 ] && echo "real program: all steps passed ($step screenshots in $shots)"
exit $fail
