#!/usr/bin/env bash
# Runs a Windows program under 64-bit Wine in the project's own Wine prefix.
# Needs a display: make check provides a virtual one.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX="${WINEPREFIX:-$root/build/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
# The caption buttons draw their glyphs with Marlett, which fonts-wine ships
# but this Wine does not load from there: it goes where Windows keeps it.
fonts="$WINEPREFIX/drive_c/windows/Fonts"
if [ -d "$fonts" ] && [ ! -e "$fonts/marlett.ttf" ] && [ -e /usr/share/wine/fonts/marlett.ttf ]; then
  cp /usr/share/wine/fonts/marlett.ttf "$fonts/"
fi
exec wine "$@"
