#!/usr/bin/env bash
# Runs a command with 64-bit Wine ready: the project's Wine prefix, a virtual
# X display and one wine server for the whole command.
# Usage: with-wine-display.sh COMMAND [ARGUMENTS...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX="${WINEPREFIX:-$root/build/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
if [ -z "${SCRUBWELL_ON_XVFB:-}" ]; then
  export SCRUBWELL_ON_XVFB=1
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
# A virtual desktop: without a window manager, Wine would wait for one to
# withdraw every window that is hidden. The setting must be in the prefix
# before its desktop is first created, so the server is restarted after it.
mkdir -p "$WINEPREFIX"
"$root/tools/wine-run.sh" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1 </dev/null || true
"$root/tools/wine-run.sh" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1 </dev/null || true
wineserver -k 2>/dev/null || true
wineserver -w 2>/dev/null || true
# Start the background services now, with their output going nowhere: started
# from a test they would inherit the caller's pipes and keep it waiting. Then
# keep one wine server for the whole command.
"$root/tools/wine-run.sh" cmd.exe /c exit >/dev/null 2>&1 </dev/null || true
wineserver -p || true
status=0
"$@" || status=$?
wineserver -k || true
exit $status
