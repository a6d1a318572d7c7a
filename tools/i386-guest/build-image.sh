#!/usr/bin/env bash
# Builds the i386 Debian guest that runs the 32-bit tests: debootstrap's first
# stage on this machine (download and unpack only, from the mirror this
# machine's apt uses), the kernel and a small initramfs, then provision.sh
# (debootstrap's second stage and the 32-bit Wine prefix) in a chroot of the
# tree, and a raw ext4 image made from the tree for the emulated machine. The
# provisioned tree stays beside the image, as rootfs/, for the runs in a
# chroot. Where this machine cannot run i386 programs, provision.sh runs in a
# first boot of the guest instead, under full-system emulation, which is far
# slower, and only the image is kept.
# Does nothing when the image is in the cache already.
# Usage: build-image.sh [IMAGE_DIR]   (default: what image-dir.sh prints)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
image=${1:-$("$here/image-dir.sh")}
suite=bookworm
log() { echo "[$(date +%T)] i386-guest: $*"; }
complete() { [ -f "$image/base.img" ] && [ -f "$image/vmlinuz" ] && [ -f "$image/initrd.gz" ]; }

mkdir -p "$(dirname "$image")"
exec 9>"$image.lock"
flock 9
if complete; then
  exit 0
fi
for tool in qemu-system-i386 debootstrap mkfs.ext4 cpio dpkg-deb unshare; do
  command -v $tool >/dev/null || { echo "build-image: $tool is missing; run tools/install-deps.sh" >&2; exit 1; }
done
mirror=$("$here/../apt-mirror.sh")
packages=$(grep -v -e '^#' -e '^$' "$here/guest-packages.txt" | paste -sd,)
work=$image.partial
rm -rf "$work"
mkdir -p "$work/share"
start=$(date +%s)

log "debootstrap's first stage for i386 from $mirror (log: $work/debootstrap.log)"
if ! debootstrap --arch=i386 --foreign --variant=minbase --include="$packages" \
  "$suite" "$work/rootfs" "$mirror" >"$work/debootstrap.log" 2>&1; then
  tail -20 "$work/debootstrap.log" >&2
  exit 1
fi
root=$work/rootfs
archives=$root/var/cache/apt/archives
mkdir -p "$work/kernel"
dpkg-deb -x "$(ls "$archives"/linux-image-[0-9]*-686_*_i386.deb | head -1)" "$work/kernel"
cp "$work/kernel"/boot/vmlinuz-* "$work/vmlinuz"
"$here/mk-initramfs.sh" "$work/kernel" "$(ls "$archives"/busybox-static_*_i386.deb | head -1)" \
  "$here/init" "$work/initrd.gz"
# The kernel and the initramfs's busybox are for booting, not for the tree.
boot_only='^(linux-image-.*|linux-base|initramfs-tools|initramfs-tools-core|klibc-utils|libklibc|kmod|udev|busybox-static)$'
tr ' ' '\n' <"$root/debootstrap/base" | grep -v -E -e "$boot_only" -e '^$' | paste -sd' ' >"$work/base"
mv "$work/base" "$root/debootstrap/base"
install -D -m 644 "$here/dpkg-build.cfg" "$root/etc/dpkg/dpkg.cfg.d/scrubwell"
cp "$here/provision.sh" "$work/share/entry.sh"

log "debootstrap's second stage and the Wine prefix in a chroot (log: $work/share/console.log)"
status=0
"$here/provision-in-chroot.sh" "$root" "$work/share" >/dev/null || status=$?
if [ $status -eq 3 ]; then
  log "this machine cannot run i386 programs: provisioning in the guest's first boot"
elif [ ! -f "$work/share/provision.ok" ]; then
  echo "build-image: provisioning in the chroot failed:" >&2
  tail -40 "$work/share/console.log" >&2 || true
  exit 1
fi
log "making the disk image"
truncate -s 6G "$work/base.img"
mkfs.ext4 -q -F -L i386root -d "$root" "$work/base.img"
rm -rf "$work/kernel"
# An unprovisioned tree is of no use to a run.
[ -f "$work/share/provision.ok" ] || rm -rf "$root"

if [ ! -f "$work/share/provision.ok" ]; then
  log "first boot: provisioning (log: $work/share/console.log)"
  "$here/run-vm.sh" -w -t 3600 "$work" "$work/share" || true
  if [ ! -f "$work/share/provision.ok" ]; then
    echo "build-image: the first boot failed; the guest's console:" >&2
    tail -40 "$work/share/console.log" "$work/share/serial.log" >&2 || true
    exit 1
  fi
fi
rm -rf "$work/share"
rm -rf "$image"
mv "$work" "$image"
log "image ready in $(($(date +%s) - start)) s: $image ($(du -sh "$image" | cut -f1))"
