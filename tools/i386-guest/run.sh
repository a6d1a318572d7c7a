#!/usr/bin/env bash
# Runs SHARE_DIR/run-list in the i386 guest (see guest-run.sh) and prints the
# guest's console. Builds the guest image first when the cache has none for
# this recipe (a few minutes). The guest gets at most SECONDS.
# Usage: run.sh SHARE_DIR SECONDS
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
share=$1
seconds=$2
image=$("$here/image-dir.sh")
if [ ! -f "$image/base.img" ]; then
  echo "i386 guest: no image for this recipe in the cache; building $image (a few minutes)"
  start=$(date +%s)
  "$here/build-image.sh" "$image"
  echo "i386 guest: image built in $(($(date +%s) - start)) s"
fi
cp "$here/guest-run.sh" "$share/entry.sh"
start=$(date +%s)
status=0
"$here/run-vm.sh" -t "$seconds" "$image" "$share" || status=$?
sed 's/^/  guest | /' "$share/console.log" 2>/dev/null || true
echo "i386 guest: ran $(($(date +%s) - start)) s (bound $seconds s), qemu exit $status"
if [ $status -ne 0 ]; then
  echo "i386 guest: the serial console's last lines:"
  tail -20 "$share/serial.log" "$share/qemu.log" 2>/dev/null || true
fi
exit $status
