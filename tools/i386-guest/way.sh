#!/usr/bin/env bash
# Prints how the i386 guest of IMAGE_DIR runs on this machine: "chroot", in a
# chroot of its provisioned tree, where the tree is there and this machine's
# kernel runs its programs; "qemu", in the emulated machine, otherwise or when
# SCRUBWELL_I386_QEMU=1 asks for it.
# Usage: way.sh IMAGE_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if [ "${SCRUBWELL_I386_QEMU:-}" != 1 ] && [ -d "$1/rootfs" ] && "$here/can-run-tree.sh" "$1/rootfs"; then
  echo chroot
else
  echo qemu
fi
