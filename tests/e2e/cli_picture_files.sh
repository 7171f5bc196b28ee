#!/usr/bin/env bash
# Pictures written by the driver: the format the extension names, through a temporary file, and
# a write that fails reported with its reason and leaving nothing behind.
set -u
bin=$1
cli="$bin/varnloft-cli --now 2026-12-07T09:05:07"
# shellcheck source=SCRIPTDIR/lib/checks.sh
source "$(dirname "$0")/lib/checks.sh"
magic() { head -c "$2" "$1" | od -An -tx1 | tr -d ' \n'; }

$cli --save-plan "$work/plan.png" --save-plan "$work/Plan.BMP" --save-view "$work/view.PNG" \
  --save-angles "$work/angles.bmp" >/dev/null
same "exit" $? 0
same "plan png" "$(magic "$work/plan.png" 8)" 89504e470d0a1a0a
same "plan bmp" "$(magic "$work/Plan.BMP" 2)" 424d
same "view png" "$(magic "$work/view.PNG" 8)" 89504e470d0a1a0a
same "angles bmp" "$(magic "$work/angles.bmp" 2)" 424d
same "no temporary files" "$(ls -A "$work" | tr '\n' ' ')" "Plan.BMP angles.bmp plan.png view.PNG "

# A folder that does not exist: exit 1, the file and the reason on stderr, nothing written.
$cli --save-view "$work/missing/view.png" >/dev/null 2>"$work/err"
same "unwritable exit" $? 1
same "unwritable message" "$(cat "$work/err")" \
  "varnloft-cli: The file \"$work/missing/view.png\" could not be written: No such file or directory."
[ -e "$work/missing" ] && { echo "FAIL: a folder appeared"; fail=1; }

# Names without a picture extension are usage errors (exit 2), a hidden ".png" included.
for bad in "--save-view .png" "--save-angles x.jpg" "--save-plan plan"; do
  $cli $bad >/dev/null 2>&1
  [ $? -eq 2 ] || { echo "FAIL: '$bad' is not a usage error"; fail=1; }
done

[ $fail -eq 0 ] && echo "cli picture files: all checks passed"
exit $fail
