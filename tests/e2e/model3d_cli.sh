#!/usr/bin/env bash
# The driver's 3D files read back: the STL's triangle count, the glb's header and the node names
# of its JSON chunk, the OBJ's object names, the fit check's JSON, the PNG's size; a design whose
# legs collide fails the fit check; a wrong file type exits 2 and an unwritable file exits 1,
# neither changing the JSON document.
set -u
bin=$1
cli="$bin/varnloft-cli --now 2026-12-07T09:05:07"
# shellcheck source=SCRIPTDIR/lib/checks.sh
source "$(dirname "$0")/lib/checks.sh"
needs jq
u32() { od -An -t u4 -j "$2" -N 4 "$1" | tr -d ' '; }        # little-endian, at byte $2
be32() { od -An -t x1 -j "$2" -N 4 "$1" | tr -d ' \n' | xargs -I{} printf '%d' 0x{}; }

plain=$($cli)
out=$($cli --export-3d "$work/t.obj" --export-3d "$work/t.stl" --export-3d "$work/t.glb" \
  --fit "$work/fit.json" --save-3d "$work/t.png" --size-3d 640x480 --camera 30,40)
same "exit status" $? 0
same "the JSON document is unchanged" "$out" "$plain"

# STL: an 80-byte header, the triangle count, 50 bytes a triangle.
triangles=$(u32 "$work/t.stl" 80)
same "STL size" "$(stat -c %s "$work/t.stl")" $((84 + 50 * triangles))
[ "$triangles" -ge 200 ] || { echo "FAIL: STL has only $triangles triangles"; fail=1; }

# OBJ: its material file beside it, one named object a piece.
same "mtllib" "$(grep '^mtllib' "$work/t.obj")" "mtllib t.mtl"
[ -s "$work/t.mtl" ] || { echo "FAIL: no t.mtl"; fail=1; }
objects=$(sed -n 's/^o //p' "$work/t.obj")
same "first objects" "$(head -4 <<<"$objects" | tr '\n' ,)" "Leg 1,Leg 2,Leg 3,Leg 4,"
grep -qx "Brace 2" <<<"$objects" || { echo "FAIL: no Brace 2 in the OBJ"; fail=1; }

# glb: magic, version 2, total length, then the JSON chunk with one named node a piece.
same "glb magic" "$(head -c 4 "$work/t.glb")" "glTF"
same "glb version" "$(u32 "$work/t.glb" 4)" 2
same "glb length" "$(u32 "$work/t.glb" 8)" "$(stat -c %s "$work/t.glb")"
same "JSON chunk" "$(dd if="$work/t.glb" bs=1 skip=16 count=4 2>/dev/null)" "JSON"
json_length=$(u32 "$work/t.glb" 12)
nodes=$(dd if="$work/t.glb" bs=1 skip=20 count="$json_length" 2>/dev/null | jq -r '.nodes[].name')
same "glb node names are the OBJ's objects" "$nodes" "$objects"
same "glb asset version" \
  "$(dd if="$work/t.glb" bs=1 skip=20 count="$json_length" 2>/dev/null | jq -r .asset.version)" 2.0

# The fit check of the built-in table passes; its box is the table's.
same "fit ok" "$(jq .ok "$work/fit.json")" true
same "no overlaps" "$(jq '.overlaps | length' "$work/fit.json")" 0
same "box height in half inches" "$(jq '.bounding_box[2] * 24 | round' "$work/fit.json")" 59
same "box length" "$(jq '.bounding_box[0]' "$work/fit.json")" 6

# The PNG at the asked size (IHDR width and height, big-endian).
same "PNG magic" "$(od -An -c -j 1 -N 3 "$work/t.png" | tr -d ' ')" "PNG"
same "PNG width" "$(be32 "$work/t.png" 16)" 640
same "PNG height" "$(be32 "$work/t.png" 20)" 480

# Two deck boards with the overlap question answered No: the upper legs collide.
$cli --answer no --choose ComboBox8=2 --design --fit "$work/bad.json" >/dev/null
same "collision exit" $? 0
same "collision ok" "$(jq .ok "$work/bad.json")" false
same "collision pair" "$(jq -r '.overlaps[0] | .a + "/" + .b' "$work/bad.json")" "Leg 1/Leg 2"
same "collision volume" "$(jq '.overlaps[0].volume > 0' "$work/bad.json")" true

# Wrong usage exits 2 with one line on stderr and no document.
out=$($cli --export-3d "$work/t.dxf" 2>"$work/err")
same "bad extension exit" $? 2
same "bad extension stdout" "$out" ""
same "bad extension message" "$(cat "$work/err")" \
  "varnloft-cli: --export-3d writes .obj, .stl or .glb files, not '$work/t.dxf'"
$cli --save-3d "$work/t.jpg" >/dev/null 2>&1
same "bad picture type exit" $? 2

# A file that cannot be written: the document, then the reason on stderr, exit 1.
out=$($cli --export-3d "$work/missing/t.stl" 2>"$work/err")
same "unwritable exit" $? 1
same "unwritable stdout" "$out" "$plain"
same "unwritable message" "$(cat "$work/err")" \
  "varnloft-cli: The 3D model could not be written to '$work/missing/t.stl': No such file or directory."
$cli --fit "$work/missing/fit.json" >/dev/null 2>&1
same "unwritable fit exit" $? 1

exit $fail
