#!/usr/bin/env bash
# Cold start to the first drawn design, and peak resident memory, of the real program under
# Xvfb. Usage: bench/startup.sh [BIN_DIR] [RUNS]. The first design is drawn when the state file
# the program writes for tests first holds the design record.
set -u
bin=${1:-build/bin}
runs=${2:-5}
for n in $(seq 200 249); do [ -e /tmp/.X$n-lock ] || { disp=":$n"; break; }; done
Xvfb "$disp" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
sleep 1
work=$(mktemp -d)
times=()
for run in $(seq "$runs"); do
  rm -f "$work/state.json"
  start=$(date +%s%N)
  DISPLAY=$disp VARNLOFT_STATE_DUMP=$work/state.json "$bin/varnloft" >/dev/null 2>&1 &
  app=$!
  until grep -q '"LegAngle": 30' "$work/state.json" 2>/dev/null; do sleep 0.005; done
  end=$(date +%s%N)
  times+=($(( (end - start) / 1000000 )))
  sleep 1
  rss=$(awk '/VmHWM/ {print $2}' /proc/$app/status)
  kill $app; wait $app 2>/dev/null
  echo "run $run: first design after ${times[-1]} ms, peak resident ${rss} kB"
done
sorted=($(printf '%s\n' "${times[@]}" | sort -n))
echo "median cold start: ${sorted[$((runs / 2))]} ms"
rm -rf "$work"
