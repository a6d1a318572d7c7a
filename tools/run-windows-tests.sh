#!/usr/bin/env bash
# Runs the Windows tests of a MinGW build under 64-bit Wine, two at a time
# where they allow it: the suites that need the focus run alone.
# Usage: run-windows-tests.sh BUILD_DIR [ctest arguments]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$1
shift
exec "$root/tools/with-wine-display.sh" ctest --test-dir "$build" --output-on-failure -j2 "$@"
