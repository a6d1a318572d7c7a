#!/usr/bin/env bash
# Builds the guest's small initramfs: busybox-static, the virtio, ext4 and 9p
# modules, and the guest's init.
# Usage: mk-initramfs.sh KERNEL_DIR BUSYBOX_DEB INIT OUT.cpio.gz
set -euo pipefail
kernel_dir=$1
busybox_deb=$2
init=$3
out=$4
kernel_version=$(ls "$kernel_dir/lib/modules" | head -1)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work"/{bin,sbin,proc,sys,dev,newroot,lib/modules,tmp}
dpkg-deb --fsys-tarfile "$busybox_deb" | tar -x -C "$work" ./bin/busybox
for module in $(sed -n 's/^modules="\(.*\)"$/\1/p' "$init"); do
  file=$(find "$kernel_dir/lib/modules/$kernel_version" -name "$module.ko" | head -1)
  [ -n "$file" ] || { echo "mk-initramfs: module $module not found" >&2; exit 1; }
  cp "$file" "$work/lib/modules/"
done
install -m 755 "$init" "$work/init"
(cd "$work" && find . | cpio -o -H newc --quiet | gzip -9) >"$out"
