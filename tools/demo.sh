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
for bmp in "$out"/*.bmp; do
  convert "$bmp" "${bmp%.bmp}.png" && rm "$bmp"
done
echo "demo: screenshots and block dumps in $out:"
ls "$out"
