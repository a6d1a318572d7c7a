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
# Create the prefix and start its background services now, with their output
# going nowhere: started from a test they would inherit the caller's pipes and
# keep it waiting. Then keep one wine server for the whole command.
mkdir -p "$WINEPREFIX"
"$root/tools/wine-run.sh" cmd.exe /c exit >/dev/null 2>&1 </dev/null || true
wineserver -p || true
# A virtual desktop: without a window manager, Wine would wait for one to
# withdraw every window that is hidden.
"$root/tools/wine-run.sh" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1 || true
"$root/tools/wine-run.sh" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1 || true
status=0
"$@" || status=$?
wineserver -k || true
exit $status
