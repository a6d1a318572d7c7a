#!/usr/bin/env bash
# Runs the Windows tests of a MinGW build under 64-bit Wine on a virtual display.
# Usage: run-windows-tests.sh BUILD_DIR [ctest arguments]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$1
shift
export WINEPREFIX="${WINEPREFIX:-$root/build/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
if [ -z "${SCRUBWELL_ON_XVFB:-}" ]; then
  # One display and one wine server for the whole run; the tests are started serially
  # because the keyboard tests need the focus.
  export SCRUBWELL_ON_XVFB=1
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$build" "$@"
fi
# Start the prefix's background services now, with their output going nowhere:
# started from a test they would inherit ctest's pipes and keep it waiting.
wineserver -p
"$root/tools/wine-run.sh" cmd.exe /c exit >/dev/null 2>&1 </dev/null || true
# A virtual desktop: without a window manager, Wine would wait for one to
# withdraw every window that is hidden.
"$root/tools/wine-run.sh" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1 || true
"$root/tools/wine-run.sh" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1 || true
status=0
ctest --test-dir "$build" --output-on-failure "$@" || status=$?
wineserver -k || true
exit $status
