#!/usr/bin/env bash
# Runs the demo host under Wine: on the real display when there is one,
# otherwise on a virtual one.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root/build/x64/bin"
if [ -n "${DISPLAY:-}" ]; then
  exec "$root/tools/wine-run.sh" scrubwell-host.exe "$@"
fi
exec xvfb-run -a "$root/tools/wine-run.sh" scrubwell-host.exe "$@"
