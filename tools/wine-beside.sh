#!/usr/bin/env bash
# Runs a Windows program under Wine in a second prefix beside the project's
# (WINEPREFIX-NAME), with a wine server of its own: the prefix shares the
# project prefix's drive C: and copies its registry once, virtual desktop
# included. With --dpi the screen is at that DPI (HKCU\Control Panel\Desktop
# LogPixels), and the program is told it in SCRUBWELL_EXPECT_DPI.
# Usage: wine-beside.sh NAME [--dpi DPI] PROGRAM [ARGUMENTS...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
name=$1
shift
dpi=
if [ "${1:-}" = --dpi ]; then
  dpi=$2
  shift 2
fi
base=${WINEPREFIX:-$root/build/wineprefix}
prefix=$base-$name
if [ ! -e "$prefix/user.reg" ]; then
  mkdir -p "$prefix/dosdevices"
  cp "$base"/*.reg "$base"/.update-timestamp "$prefix/"
  ln -sfn "$base/drive_c" "$prefix/drive_c"
  ln -sfn ../drive_c "$prefix/dosdevices/c:"
  ln -sfn / "$prefix/dosdevices/z:"
fi
export WINEPREFIX=$prefix
# The background services start here with their output going nowhere (from
# the program they would inherit the caller's pipes and keep it waiting), and
# the server stays until the program is done.
if [ -n "$dpi" ]; then
  export SCRUBWELL_EXPECT_DPI=$dpi
  "$root/tools/wine-run.sh" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f \
    >/dev/null 2>&1 </dev/null
else
  "$root/tools/wine-run.sh" cmd.exe /c exit >/dev/null 2>&1 </dev/null || true
fi
wineserver -p || true
status=0
"$root/tools/wine-run.sh" "$@" || status=$?
wineserver -k 2>/dev/null || true
exit $status
