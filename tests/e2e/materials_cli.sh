#!/usr/bin/env bash
# The driver's materials files: the JSON and the CSV of the same run parse and say the same,
# the standard output stays as it is without them, and bad input is refused as documented.
set -u
bin=$1
cli="$bin/varnloft-cli --now 2026-12-07T09:05:07"
# shellcheck source=SCRIPTDIR/lib/checks.sh
source "$(dirname "$0")/lib/checks.sh"
needs python3
bad() { echo "FAIL: $*"; fail=1; }

# Both files of one run agree: boards, cuts, hardware and totals.
agree() {  # agree NAME JSON CSV
  python3 - "$2" "$3" <<'PY' || bad "$1: the JSON and the CSV disagree"
import csv, json, math, sys
m = json.load(open(sys.argv[1], encoding="utf-8"))["materials"]
rows = list(csv.reader(open(sys.argv[2], encoding="utf-8", newline="")))
head, rows = rows[0], rows[1:]
col = {name: i for i, name in enumerate(head)}
def of(section): return [r for r in rows if r[0] == section]
def num(text): return None if text == "" else float(text)
def same(a, b): return (a is None and b is None) or (a is not None and b is not None and math.isclose(a, b, rel_tol=1e-15, abs_tol=1e-15))
ok = True
def check(cond, what):
    global ok
    if not cond: print("  " + what); ok = False
boards = of("board")
check(len(boards) == len(m["boards"]), "board count")
for b, r in zip(m["boards"], boards):
    check(r[col["lumber"]] == b["lumber"] and same(num(r[col["length"]]), b["length"])
          and same(num(r[col["price"]]), b["price"]) and same(num(r[col["offcut"]]), b["offcut"]),
          "board " + r[col["board"]])
cuts = of("cut")
check(len(cuts) == sum(len(b["cuts"]) for b in m["boards"]), "cut count")
hardware = of("hardware")
check([(r[col["name"]], int(r[col["count"]]), int(r[col["packs"]])) for r in hardware] ==
      [(h["item"], h["count"], h["packs"]) for h in m["hardware"]], "hardware")
check([r[col["text"]] for r in hardware] == [h["rule"] for h in m["hardware"]], "hardware rules")
totals = {r[col["name"]]: num(r[col["value"]]) for r in of("total")}
for key in ("boards", "cost", "board_feet", "cubic_metres", "waste_percent", "cuts"):
    check(same(totals.get(key), m["totals"][key]), "total " + key)
check(len(of("piece")) == len(m["pieces"]), "piece count")
check(len(of("near_miss")) == len(m["near_misses"]), "near misses")
sys.exit(0 if ok else 1)
PY
}

plain=$($cli --preset "Adult econo")
with=$($cli --materials "$work/a.json" --materials "$work/a.CSV" --kerf 0.0625 --trim 0.5 \
       --ops materials="$work/a.ops" --preset "Adult econo")
rc=$?
[ $rc -eq 0 ] || bad "a run with materials files exits $rc"
[ "$plain" = "$with" ] || bad "the materials options changed the standard output"
agree imperial "$work/a.json" "$work/a.CSV"
grep -q '"kerf": 0.005208333333333333, "trim": 0.041666666666666664' "$work/a.json" ||
  bad "the kerf and trim typed in inches are not in the file"
grep -q '"op":"text"' "$work/a.ops" || bad "no diagram trace"

$cli --metric --kerf 2 --preset "Tall Boy" --materials "$work/m.json" --materials "$work/m.csv" \
  >/dev/null || bad "the metric run failed"
agree metric "$work/m.json" "$work/m.csv"
grep -q '"kerf": 0.0065616797900262466' "$work/m.json" || bad "the metric kerf is not 2 mm"
grep -q '"board_feet": null, "cubic_metres": 0\.' "$work/m.json" || bad "metric totals"

# A stock file that is not JSON: an error box, the defaults kept, exit 0.
printf '{"stock": [' >"$work/bad-stock.json"
out=$($cli --stock "$work/bad-stock.json" --materials "$work/s.json")
rc=$?
[ $rc -eq 0 ] || bad "a bad stock file exits $rc"
grep -qF '{"kind": "error", "text": "The stock file is not JSON: ' <<<"$out" ||
  bad "a bad stock file is not reported in the dialogs"
grep -qF 'Nothing was changed.", "answer": null}' <<<"$out" || bad "the refusal does not say nothing changed"
grep -q '"lumber": "2 X 6", "length": 8, "price": 6.48' "$work/s.json" || bad "the default prices were lost"
# A field of the wrong type is named.
printf '{"currency": 5}' >"$work/bad-type.json"
$cli --stock "$work/bad-type.json" | grep -qF '"text": "currency: must be a string, not a number.' ||
  bad "a field of the wrong type is not named"

# A file that cannot be written: the whole JSON on stdout, one line on stderr, exit 1.
out=$($cli --materials "$work/no/such/dir/x.json" 2>"$work/err")
rc=$?
[ $rc -eq 1 ] || bad "an unwritable --materials file exits $rc, not 1"
[ "$(cat "$work/err")" = "varnloft-cli: cannot write $work/no/such/dir/x.json: No such file or directory" ] ||
  bad "stderr says: $(cat "$work/err")"
python3 -c 'import json,sys; json.loads(sys.stdin.read())' <<<"$out" || bad "stdout is not whole JSON"

# Wrong usage: one line on stderr, exit 2.
for args in "--materials $work/x.txt" "--materials" "--ops materials=" "--kerf"; do
  $cli $args >/dev/null 2>"$work/err"
  rc=$?
  [ $rc -eq 2 ] && [ "$(wc -l <"$work/err")" -eq 1 ] || bad "'$args' gave exit $rc"
done

# Hostile stock files: a pipe nobody writes and a device that never ends are refused at once.
mkfifo "$work/stock.fifo"
for stock in "$work/stock.fifo" /dev/zero; do
  out=$(timeout 10 $cli --stock "$stock" --materials "$work/h.json")
  rc=$?
  [ $rc -eq 0 ] || bad "--stock $stock exits $rc"
  grep -qF "The stock file $stock cannot be read: it is not a regular file." <<<"$out" ||
    bad "--stock $stock is not refused in an error box"
done

# A full disk (here a 1 KB file size limit) keeps the old file, names it and exits 1.
echo '{"old": true}' >"$work/kept.json"
(ulimit -f 1; $cli --materials "$work/kept.json" >/dev/null 2>"$work/err"); rc=$?
[ $rc -eq 1 ] || bad "a --materials file past the size limit exits $rc"
[ "$(cat "$work/kept.json")" = '{"old": true}' ] || bad "the old materials file was lost"
grep -qF "cannot write $work/kept.json: File too large" "$work/err" ||
  bad "the size limit is not named: $(cat "$work/err")"
$cli --ops materials=/dev/full >/dev/null 2>"$work/err"
grep -qF "cannot write /dev/full: No space left on device" "$work/err" ||
  bad "/dev/full is not named: $(cat "$work/err")"

# Through a pipe: the trace follows the JSON document down the pipe.
alone=$($cli | wc -c)
both=$($cli --ops materials=/proc/self/fd/1 | wc -c)
[ "$both" -gt $((alone + 1000)) ] || bad "--ops through a pipe wrote $((both - alone)) bytes"

[ $fail -eq 0 ] && echo "materials driver: all checks passed"
exit $fail
