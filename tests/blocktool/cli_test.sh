#!/usr/bin/env bash
# scrubwell-block's commands and errors, as a user runs them.
set -u
tool=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
passed=0
failed=0

expect() {  # expect DESCRIPTION EXPECTED_STATUS COMMAND... ; output in $dir/out, $dir/err
  local what=$1 want=$2
  shift 2
  "$@" >"$dir/out" 2>"$dir/err"
  local got=$?
  if [ "$got" -eq "$want" ]; then passed=$((passed + 1)); else
    failed=$((failed + 1)); echo "FAIL: $what: exit $got, expected $want"; cat "$dir/err"; fi
}
contains() {  # contains DESCRIPTION FILE TEXT
  if grep -qF -- "$3" "$2"; then passed=$((passed + 1)); else
    failed=$((failed + 1)); echo "FAIL: $1: '$3' not in $(basename "$2")"; cat "$2"; fi
}

b=$dir/block.bin
expect "new" 0 "$tool" new "$b"
[ "$(stat -c %s "$b")" -eq 4534 ] && passed=$((passed + 1)) || { failed=$((failed + 1)); echo "FAIL: new size"; }
[ -z "$(tr -d '\0' <"$b")" ] && passed=$((passed + 1)) || { failed=$((failed + 1)); echo "FAIL: new is not zero"; }
expect "check on a zero block lists the load's replacements" 1 "$tool" check "$b"
contains "check names the threshold" "$dir/out" "ClickThreshold: 0 is outside 1500..3500; the dialog makes it 2500"
contains "check names the hum width" "$dir/out" "HumWidthOctaves: 0 is outside 0.1..0.5; the dialog makes it 0.1"

expect "new --defaults" 0 "$tool" new "$b" --defaults
expect "defaults need no replacement" 0 "$tool" check "$b"
expect "show" 0 "$tool" show "$b"
contains "show lists offsets" "$dir/out" "  634  ClickThreshold         2500"
contains "show decodes the channel" "$dir/out" "3 (both)"
contains "show gives the opening positions" "$dir/out" "pop-click 10/20, hum-width 4/4 at 60 Hz, hiss 100/100, gate 50/100"

expect "set" 0 "$tool" set "$b" --pop-click 0 --hum-width 1 --hum 50 --hiss 33 --gate 25 --tools pop,gate \
  --channels right --format-channels 2
expect "show --json" 0 "$tool" show "$b" --json
contains "json threshold" "$dir/out" '"ClickThreshold": 1500'
contains "json flags" "$dir/out" '"EffectFlags": 4352'
contains "json channel" "$dir/out" '"ChannelCode": 2'
contains "json hum" "$dir/out" '"HumFrequency": 50'
contains "json opens at" "$dir/out" '"opensAt": {"popClick": 0, "humWidth": 1, "hum": 50, "hiss": 33, "gate": 25, "tools": ["pop", "gate"], "channels": "right"}'
if command -v python3 >/dev/null; then
  python3 -m json.tool "$dir/out" >/dev/null && passed=$((passed + 1)) || { failed=$((failed + 1)); echo "FAIL: not JSON"; }
fi

cp "$b" "$dir/before.bin"
expect "a value out of range" 2 "$tool" set "$b" --hiss 101
contains "the range is named" "$dir/err" "--hiss 101 is outside 0..100"
expect "an unknown option" 2 "$tool" set "$b" --loudness 3
contains "the option is named" "$dir/err" "unknown option '--loudness'"
expect "a channel choice on a mono format" 2 "$tool" set "$b" --channels left --format-channels 1
cmp -s "$b" "$dir/before.bin" && passed=$((passed + 1)) || { failed=$((failed + 1)); echo "FAIL: a failed set changed the file"; }

printf 'short' >"$dir/short.bin"
expect "a file of the wrong size" 2 "$tool" show "$dir/short.bin"
contains "sizes are named" "$dir/err" "has 5 bytes; a parameter block has 4534"
expect "a missing file" 2 "$tool" check "$dir/none.bin"
contains "the file is named" "$dir/err" "cannot read"
expect "an unknown command" 2 "$tool" frobnicate "$b"
expect "help" 0 "$tool" --help
contains "help lists the commands" "$dir/out" "check FILE"
expect "command help" 0 "$tool" set --help
contains "set help lists its options" "$dir/out" "--pop-click 0..20"

# Odd values are reported with what they become.
python3 - "$b" <<'PY'
import struct, sys
data = bytearray(open(sys.argv[1], "rb").read())
struct.pack_into("<H", data, 48, 0xFFFF)          # PopClickOn
struct.pack_into("<d", data, 2152, float("nan"))  # HumWidthOctaves
struct.pack_into("<d", data, 792, float("-inf"))  # EqGainDb[9]
struct.pack_into("<H", data, 42, 1)               # LeftOnlyChosen beside RightOnlyChosen
struct.pack_into("<d", data, 2144, 60.0)          # HumFrequency, with Hum50Hz chosen
open(sys.argv[1], "wb").write(data)
PY
expect "check on odd values" 1 "$tool" check "$b"
contains "odd switch word" "$dir/out" "PopClickOn: 0xFFFF is neither 0 nor 1; the dialog makes it 0"
contains "not a number" "$dir/out" "HumWidthOctaves: NAN is not a number; the dialog makes it 0.1"
contains "infinite gain" "$dir/out" "EqGainDb[9]: -INF is not a finite number; the dialog makes it -40"
contains "two channel buttons" "$dir/out" "LeftOnlyChosen: 1 is set beside another button of its group"
contains "frequency and button" "$dir/out" "HumFrequency: 60 disagrees with the frequency button the dialog shows chosen; the dialog makes it 50"

# A gain the hiss slider clamps, in an otherwise accepted block.
"$tool" new "$b" --defaults
python3 -c 'import struct, sys; d = bytearray(open(sys.argv[1], "rb").read()); struct.pack_into("<d", d, 792, -50.0); open(sys.argv[1], "wb").write(d)' "$b"
expect "check on a band-10 gain beyond the slider" 1 "$tool" check "$b"
contains "band-10 gain" "$dir/out" "EqGainDb[9]: -50 is outside 0..-40 dB; the dialog makes it -40"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
