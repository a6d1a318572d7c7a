#!/usr/bin/env bash
# scrubwell-block's commands and errors, as a user runs them.
set -u
tool=$(realpath "$1")
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
contains "check names the threshold" "$dir/out" "ClickThreshold: 0 is outside 1500..3500; the load makes it 2500"
contains "check names the hum width" "$dir/out" "HumWidthOctaves: 0 is outside 0.1..0.5; the load makes it 0.1"

expect "new refuses an existing file" 2 "$tool" new "$b" --defaults
contains "new names the file" "$dir/err" "$b exists; new --force replaces it"
expect "new --defaults --force" 0 "$tool" new "$b" --defaults --force
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
expect "an unknown option" 2 "$tool" set "$b" --bogus
contains "the option is named" "$dir/err" "unknown option '--bogus'"
expect "a channel choice on a mono format" 2 "$tool" set "$b" --channels left --format-channels 1
cmp -s "$b" "$dir/before.bin" && passed=$((passed + 1)) || { failed=$((failed + 1)); echo "FAIL: a failed set changed the file"; }

printf 'short' >"$dir/short.bin"
expect "a file of the wrong size" 2 "$tool" show "$dir/short.bin"
contains "sizes are named" "$dir/err" "has 5 bytes; a parameter block has 4534"
expect "a missing file" 2 "$tool" check "$dir/none.bin"
contains "the file and the reason are named" "$dir/err" "cannot read $dir/none.bin: No such file or directory"
expect "an unknown command" 2 "$tool" frobnicate "$b"
expect "version" 0 "$tool" --version
contains "version" "$dir/out" "scrubwell-block $(grep -oE 'Scrubwell VERSION [0-9.]+' "$(dirname "$0")/../../CMakeLists.txt" | cut -d' ' -f3)"
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
contains "odd switch word" "$dir/out" "PopClickOn: 0xFFFF is neither 0 nor 1; accepting stores 0"
contains "not a number" "$dir/out" "HumWidthOctaves: NAN is not a number; the load makes it 0.1"
contains "infinite gain" "$dir/out" "EqGainDb[9]: -INF is not a finite number; accepting stores -40"
contains "two channel buttons" "$dir/out" "LeftOnlyChosen: 1 is set beside another button of its group"
contains "frequency and button" "$dir/out" "HumFrequency: 60 disagrees with the frequency button the dialog shows chosen; accepting stores 50"

# A gain the hiss slider clamps, in an otherwise accepted block: the load keeps it.
"$tool" new "$b" --defaults --force
python3 -c 'import struct, sys; d = bytearray(open(sys.argv[1], "rb").read()); struct.pack_into("<d", d, 792, -50.0); open(sys.argv[1], "wb").write(d)' "$b"
expect "check on a band-10 gain beyond the slider" 0 "$tool" check "$b"
contains "band-10 gain" "$dir/out" "EqGainDb[9]: -50 is outside 0..-40 dB; accepting stores -40"

# The file's safety, as a user other than root where the machine allows
# (setpriv): each case makes a block f in a folder of its own, changes it as
# the set-up says, runs the command there, and compares f's bytes and mode
# afterwards. Cases: description | set-up | command | exit status | the mode
# after | f's bytes: same or new | what the error names.
user=()
if [ "$(id -u)" -eq 0 ] && setpriv --reuid=nobody --regid=nogroup --clear-groups "$tool" --version >/dev/null 2>&1; then
  user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
chmod 0755 "$dir"
cases=(
  "read-only|chmod 0444 f|set f --hiss 5|2|444|same|cannot write f: the file is read-only"
  "private|chmod 0600 f|set f --hiss 5|0|600|new|"
  "through a symbolic link|chmod 0640 f; ln -s f link|set link --hiss 5|0|640|new|"
  "in a folder the user cannot write|chmod 0555 .|set f --hiss 5|2|644|same|cannot write f: Permission denied"
  "a directory|mkdir d|set d --hiss 5|2|644|same|cannot read d: Is a directory"
  "new in a missing folder|true|new none/f|2|644|same|cannot write none/f: No such file or directory"
  "new over a block|chmod 0600 f|new f|2|600|same|f exists"
  "new --force over a private block|chmod 0600 f|new f --force|0|600|new|"
)
for i in "${!cases[@]}"; do
  IFS='|' read -r what setup command status mode bytes message <<<"${cases[$i]}"
  case=$dir/safety$i
  mkdir "$case" && "$tool" new "$case/f" --defaults && chmod 0644 "$case/f"
  [ ${#user[@]} -gt 0 ] && chown -R nobody:nogroup "$case"
  cp "$case/f" "$case/before"
  (cd "$case" && eval "$setup")
  if [ ${#user[@]} -eq 0 ] && [ "$(id -u)" -eq 0 ] && [[ $setup == "chmod 0"[45]* ]]; then
    echo "SKIP: $what: root writes any file, and setpriv cannot run the tool as another user"
    continue
  fi
  expect "$what" "$status" env -C "$case" "${user[@]}" "$tool" $command
  after="$(stat -c %a "$case/f") $(cmp -s "$case/f" "$case/before" && echo same || echo new)"
  [ "$after" = "$mode $bytes" ] && passed=$((passed + 1)) \
    || { failed=$((failed + 1)); echo "FAIL: $what: f is $after, expected $mode $bytes"; }
  [ -z "$message" ] || contains "$what: the error" "$dir/err" "scrubwell-block: $message"
  if [[ $setup == *"ln -s"* ]] && [ ! -L "$case/link" ]; then failed=$((failed + 1)); echo "FAIL: $what: the link was replaced"; fi
done

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
