#!/usr/bin/env bash
# Runs the demo host under Wine. With a display it is interactive; without one
# it takes the scripted tour on a virtual display and leaves PNG screenshots
# and block dumps in demo-output/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root/build/x64/bin"
if [ -n "${DISPLAY:-}" ]; then
  exec "$root/tools/wine-run.sh" scrubwell-host.exe "$@"
fi
out="$root/demo-output"
rm -rf "$out"
mkdir -p "$out"
rm -f tour-block.bin
# Wine's own desktop draws the window frames that a bare X server lacks.
xvfb-run -a -s "-screen 0 1024x768x24" "$root/tools/wine-run.sh" explorer /desktop=shots,1024x768 \
  scrubwell-host.exe --tour "$(winepath -w "$out" 2>/dev/null || echo "Z:${out//\//\\}")" tour-block.bin
# The same tour in the i386 guest, with the shipped 32-bit DLL, when make check
# has built the guest's image.
if [ -f "$("$root/tools/i386-guest/image-dir.sh")/base.img" ]; then
  share="$root/build/x86/guest-share"
  rm -rf "$share"
  mkdir -p "$share/programs" "$share/out/tour" "$out/x86"
  cp "$root/build/x86/bin/scrubwell-host.exe" "$root/dist/x86/TidwexUI.dll" "$share/programs/"
  echo '1 tour 300 scrubwell-host.exe --tour Z:\share\out\tour tour-block.bin' >"$share/run-list"
  "$root/tools/i386-guest/run.sh" "$share" 420 || true
  cp "$share"/out/tour/* "$out/x86/" 2>/dev/null || echo "demo: the 32-bit tour left nothing" >&2
else
  echo "demo: no i386 guest image yet (make check builds it): no 32-bit screenshots"
fi
for bmp in "$out"/*.bmp "$out"/x86/*.bmp; do
  [ -f "$bmp" ] && convert "$bmp" "${bmp%.bmp}.png" && rm "$bmp"
done
echo "demo: screenshots and block dumps in $out (the 32-bit ones in $out/x86):"
ls -R "$out"
