#!/usr/bin/env bash
# Prints the folder of the cached guest image. Its name carries a hash of the
# files that decide what goes into the image, so a change to any of them
# leads to a new image, and a change to anything else reuses the old one.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cache=${SCRUBWELL_GUEST_CACHE:-/var/cache/scrubwell}
if ! mkdir -p "$cache" 2>/dev/null || [ ! -w "$cache" ]; then
  cache=${XDG_CACHE_HOME:-$HOME/.cache}/scrubwell
fi
hash=$(cd "$here" && cat build-image.sh can-run-tree.sh chroot-run.sh dpkg-build.cfg guest-packages.txt init mk-initramfs.sh \
  provision-in-chroot.sh provision.sh | sha256sum | cut -c1-12)
echo "$cache/i386-guest-$hash"
