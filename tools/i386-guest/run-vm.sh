#!/usr/bin/env bash
# Boots the i386 guest under qemu-system-i386, shares SHARE_DIR with it over
# 9p (at /share in the guest), lets the guest run /share/entry.sh and waits
# until it powers off, at most SECONDS. The guest's console ends up in
# SHARE_DIR/serial.log. Without -w, writes go to a throw-away snapshot.
# Usage: run-vm.sh [-w] [-t SECONDS] IMAGE_DIR SHARE_DIR
set -euo pipefail
snapshot=-snapshot
seconds=1500
while getopts "wt:" option; do
  case $option in
    w) snapshot= ;;
    t) seconds=$OPTARG ;;
    *) echo "usage: $0 [-w] [-t SECONDS] IMAGE_DIR SHARE_DIR" >&2; exit 2 ;;
  esac
done
shift $((OPTIND - 1))
image=$(cd "$1" && pwd)
share=$(cd "$2" && pwd)
# TCG unless KVM really works here. With SMAP, QEMU 7.2's TCG made the guest
# kernel kill Wine processes with "supervisor read access in user mode".
accel=(-accel tcg,thread=multi -cpu max,-smap)
if [ -w /dev/kvm ] && grep -qw -e vmx -e svm /proc/cpuinfo; then
  accel=(-accel kvm -cpu host)
fi
rm -f "$share/serial.log"
status=0
timeout --kill-after=10 "$seconds" qemu-system-i386 \
  -machine pc "${accel[@]}" -smp 2 -m 2048 \
  -display none -no-reboot -monitor none -serial "file:$share/serial.log" \
  -kernel "$image/vmlinuz" -initrd "$image/initrd.gz" \
  -append "console=ttyS0 panic=1 quiet loglevel=3 nokaslr mitigations=off" \
  -drive "file=$image/base.img,format=raw,if=virtio,cache=unsafe" $snapshot \
  -virtfs "local,path=$share,mount_tag=share,security_model=none,id=share" \
  -nic none -device virtio-rng-pci </dev/null 2>>"$share/qemu.log" || status=$?
[ $status -eq 124 ] && echo "run-vm: the guest was still running after $seconds s; stopped it" >&2
exit $status
