#!/usr/bin/env bash
# Provisions the guest's unpacked tree on this machine instead of in a first
# boot: runs provision.sh (debootstrap's second stage and the 32-bit Wine
# prefix) in a chroot of the tree, since these x86-64 kernels run i386
# programs themselves. The chroot runs in private mount and process
# namespaces: the mounts made of /proc, /sys, /tmp and the share, and any
# process a package's script leaves behind, end with it. Inside a chroot,
# where the namespace's mounts cannot be made private, what it mounted under
# the tree is unmounted afterwards. A policy-rc.d keeps packages from
# starting services; provision.sh removes it.
# Exits with 3, leaving the tree to the first boot, when this machine cannot
# run the tree's programs.
# Usage: provision-in-chroot.sh ROOT SHARE_DIR   (SHARE_DIR holds entry.sh)
set -euo pipefail
root=$(cd "$1" && pwd -P)
share=$(cd "$2" && pwd -P)
env=(/usr/bin/env -i HOME=/root TERM=dumb LANG=C.UTF-8
  PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin)
chroot "$root" "${env[@]}" /bin/true 2>/dev/null || exit 3
propagation=private
unshare --mount --propagation private true 2>/dev/null || propagation=unchanged
unmount_tree() {
  awk -v r="$root/" 'index($5, r) == 1 { print $5 }' /proc/self/mountinfo | sort -r |
    while read -r m; do umount -l "$m"; done
}
trap unmount_tree EXIT

for d in proc sys dev tmp share; do
  [ -L "$root/$d" ] && rm -f "$root/$d"
  mkdir -p "$root/$d"
done
printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
chmod 755 "$root/usr/sbin/policy-rc.d"
# shellcheck disable=SC2016 # expanded by the inner shell
unshare --mount --propagation $propagation --pid --fork --kill-child /bin/sh -c '
  root=$1 share=$2
  shift 2
  mount --bind "$share" "$root/share" &&
    mount -t tmpfs -o mode=1777 tmpfs "$root/tmp" &&
    mount -t proc proc "$root/proc" &&
    mkdir -p "$root/dev/shm" && mount -t tmpfs -o mode=1777 tmpfs "$root/dev/shm" &&
    exec chroot "$root" "$@" /bin/sh /share/entry.sh' \
  sh "$root" "$share" "${env[@]}" 2>&1 | tee "$share/console.log"
