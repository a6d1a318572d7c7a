#!/usr/bin/env bash
# Provisions the guest's unpacked tree on this machine instead of in a first
# boot: runs provision.sh (debootstrap's second stage and the 32-bit Wine
# prefix) in a chroot of the tree (chroot-run.sh), since these x86-64 kernels
# run i386 programs themselves. A policy-rc.d keeps packages from starting
# services; provision.sh removes it.
# Exits with 3, leaving the tree to the first boot, when this machine cannot
# run the tree's programs.
# Usage: provision-in-chroot.sh ROOT SHARE_DIR   (SHARE_DIR holds entry.sh)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$1
"$here/can-run-tree.sh" "$root" || exit 3
for d in proc sys dev tmp share; do
  [ -L "$root/$d" ] && rm -f "$root/$d"
  mkdir -p "$root/$d"
done
printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
chmod 755 "$root/usr/sbin/policy-rc.d"
exec "$here/chroot-run.sh" "$root" "$2"
