#!/usr/bin/env bash
# Runs a Windows program under Wine with the screen at another DPI: in a
# second prefix beside the project's (WINEPREFIX), which shares its drive C:
# and copies its registry once, with HKCU\Control Panel\Desktop LogPixels set.
# The program is told the DPI in SCRUBWELL_EXPECT_DPI.
# Usage: wine-at-dpi.sh DPI PROGRAM [ARGUMENTS...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dpi=$1
shift
base=${WINEPREFIX:-$root/build/wineprefix}
prefix=$base-dpi$dpi
if [ ! -e "$prefix/user.reg" ]; then
  mkdir -p "$prefix/dosdevices"
  cp "$base"/*.reg "$base"/.update-timestamp "$prefix/"
  ln -sfn "$base/drive_c" "$prefix/drive_c"
  ln -sfn ../drive_c "$prefix/dosdevices/c:"
  ln -sfn / "$prefix/dosdevices/z:"
fi
export WINEPREFIX=$prefix SCRUBWELL_EXPECT_DPI=$dpi
"$root/tools/wine-run.sh" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f \
  >/dev/null 2>&1 </dev/null
status=0
"$root/tools/wine-run.sh" "$@" || status=$?
wineserver -k 2>/dev/null || true
exit $status
