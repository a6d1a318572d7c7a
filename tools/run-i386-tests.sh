#!/usr/bin/env bash
# Runs the 32-bit tests in the i386 guest: the test programs of an i686 build
# against the shipped, stripped DLL, and the host that has loaded the shared
# MinGW runtime. Prints each program's time and a failing program's output.
# Usage: run-i386-tests.sh TEST_BUILD_DIR SHIPPED_DLL
# The guest is slow (emulated): the random-block test runs fewer blocks than
# under 64-bit Wine (I386_BLOCKS).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$1" && pwd)
dll=$2
blocks=${I386_BLOCKS:-10}
start=$(date +%s)

share=$build/guest-share
rm -rf "$share"
mkdir -p "$share/programs"
cp "$build"/bin/{settings_tests,exports_tests,dialog_tests,robustness_tests,shared_runtime_host}.exe \
  "$build"/bin/TidwexUI_{faults,scripted}.dll "$share/programs/"
cp "$dll" "$share/programs/TidwexUI.dll"
# The shared runtime of the posix thread-model compiler, and the thread
# library it needs beside it.
runtime=$(ls -d /usr/lib/gcc/i686-w64-mingw32/*-posix | sort -V | tail -1)
cp "$runtime/libgcc_s_dw2-1.dll" /usr/i686-w64-mingw32/lib/libwinpthread-1.dll "$share/programs/"
# Waits for windows get ten times their usual bound under emulation.
echo "export SCRUBWELL_STRESS_BLOCKS=$blocks SCRUBWELL_WAIT_MS=30000" >"$share/environment"
# NAME SECONDS PROGRAM [ARGUMENTS]. A bound only stops a program that hangs:
# on a machine busy with other work, the guest ran up to seven times slower.
# Left out in the guest, measured there:
# - FloatingPointScope.ResultsDoNotDependOnTheCallersPrecision: the emulator's
#   x87 rounds a double loaded under single precision control, unlike the
#   hardware, so the caller's own load of a returned double differs.
# - ResourceTest: its 25 warm-up sessions alone take over 3 minutes.
# - BlockToolAgainstDialog: about a minute; the dialog's bytes are checked
#   against the settings model by DialogSettingsTest all the same.
cat >"$share/run-list" <<LIST
settings_tests 300 settings_tests.exe --gtest_filter=-FloatingPointScope.ResultsDoNotDependOnTheCallersPrecision
exports_tests 300 exports_tests.exe
shared_runtime_host 300 shared_runtime_host.exe
dialog_tests 900 dialog_tests.exe --gtest_filter=-BlockToolAgainstDialog.*
robustness_tests 600 robustness_tests.exe --gtest_filter=-ResourceTest.*
LIST
echo "i386 guest: robustness_tests with $blocks random blocks (I386_BLOCKS)"
seconds=$(awk '{ s += $2 + 15 } END { print s + 60 }' "$share/run-list")
guest=0
"$root/tools/i386-guest/run.sh" "$share" "$seconds" || guest=$?

failed=()
while read -r name bound _; do
  status=$(cat "$share/out/$name.status" 2>/dev/null || echo "none")
  log=$share/out/$name.log
  # A crash under Wine can end a program with status 0: its summary is missing then.
  if [ "$status" = 0 ] && grep -q '^\[  PASSED  \]' "$log" && ! grep -q '^\[  FAILED  \]' "$log"; then
    echo "i386 guest: $name passed: $(grep -h -m1 '^\[  PASSED  \]' "$log")"
    continue
  fi
  failed+=("$name")
  case $status in
    none) echo "i386 guest: $name did not finish" ;;
    0) echo "i386 guest: $name FAILED: it ended without its summary; its output:" ;;
    124 | 137) echo "i386 guest: $name FAILED: still running after its bound of $bound s; its output:" ;;
    *) echo "i386 guest: $name FAILED with exit status $status; its output:" ;;
  esac
  sed 's/^/  '"$name"' | /' "$log" 2>/dev/null || true
done <"$share/run-list"
echo "i386 guest: 32-bit phase took $(($(date +%s) - start)) s"
if [ ${#failed[@]} -gt 0 ] || [ $guest -ne 0 ]; then
  echo "i386 guest: FAILED: ${failed[*]:-the guest}" >&2
  exit 1
fi
