#!/usr/bin/env bash
# Runs SHARE_DIR/run-list (see guest-run.sh) in the i386 guest, whose image
# must be built (build-image.sh), and prints its console: natively in a chroot
# of the guest's tree over a throwaway overlay (chroot-run.sh) or in the
# emulated machine (run-vm.sh), as way.sh says. The guest gets at most SECONDS.
# Usage: run.sh SHARE_DIR SECONDS
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
share=$1
seconds=$2
image=$("$here/image-dir.sh")
way=$("$here/way.sh" "$image")
cp "$here/guest-run.sh" "$share/entry.sh"
echo "export I386_WAY=$way" >>"$share/environment"
start=$(date +%s)
status=0
if [ "$way" = chroot ]; then
  "$here/chroot-run.sh" -o -t "$seconds" "$image/rootfs" "$share" >/dev/null || status=$?
else
  "$here/run-vm.sh" -t "$seconds" "$image" "$share" || status=$?
fi
sed 's/^/  guest | /' "$share/console.log" 2>/dev/null || true
echo "i386 guest: ran $(($(date +%s) - start)) s ($way, bound $seconds s), exit status $status"
if [ $status -ne 0 ] && [ "$way" = qemu ]; then
  echo "i386 guest: the serial console's last lines:"
  tail -20 "$share/serial.log" "$share/qemu.log" 2>/dev/null || true
fi
exit $status
