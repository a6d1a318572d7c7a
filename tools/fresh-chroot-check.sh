#!/usr/bin/env bash
# Runs `make check` as a newcomer would on a fresh Debian machine: debootstraps
# RELEASE (minbase) into DIR from the mirror of this machine's apt sources,
# installs git and make and nothing else, clones the committed HEAD of
# CHECKOUT into /root/scrubwell and runs `make check` there as root, which
# installs the rest itself. Prints the time of each step; the log is
# DIR/check.log. The i386 guest's image is built inside, into the chroot's
# own /var/cache/scrubwell, as on a new machine.
# The chroot runs in private mount and PID namespaces: its /proc, /sys, /dev
# and /tmp mounts and every process it starts end with it. It shares this
# machine's network (apt needs the mirror), where X displays are abstract
# sockets: displays 99 to 499 are marked taken in its /tmp, so that its
# xvfb-run picks one the host's (which count up from 99) do not reach.
# Needs root, debootstrap and unshare. For a long run: nice -n 10.
# Usage: fresh-chroot-check.sh RELEASE [DIR [CHECKOUT]]
#   RELEASE   bookworm, trixie, ...   DIR   a new or empty folder
#   (default /var/tmp/scrubwell-RELEASE)   CHECKOUT   default: this one
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
release=${1:?usage: fresh-chroot-check.sh RELEASE [DIR [CHECKOUT]]}
dir=${2:-/var/tmp/scrubwell-$release}
checkout=${3:-$here/..}
if [ -e "$dir" ] && [ -n "$(ls -A "$dir")" ]; then
  echo "fresh-chroot-check: $dir is not empty" >&2
  exit 1
fi
mkdir -p "$dir"
dir=$(cd "$dir" && pwd -P)
log=$dir/check.log
mirror=$("$here/apt-mirror.sh")
say() { echo "[$(date +%T)] fresh-chroot-check: $*" | tee -a "$log"; }
step_start=$(date +%s)
step() {
  local now
  now=$(date +%s)
  say "$1: $((now - step_start)) s"
  step_start=$now
}
run_start=$step_start

say "debootstrap $release into $dir/root from $mirror"
debootstrap --variant=minbase "$release" "$dir/root" "$mirror" >>"$log" 2>&1 ||
  { tail -20 "$log" >&2; exit 1; }
step "debootstrap"
git -C "$checkout" bundle create "$dir/root/root/scrubwell.bundle" HEAD 2>>"$log"
cp /etc/resolv.conf "$dir/root/etc/resolv.conf"
commit=$(git -C "$checkout" rev-parse HEAD)

# The commands run by /bin/sh in the chroot, in the new namespaces.
# shellcheck disable=SC2016 # expanded by the inner shell
inner='
set -e
export DEBIAN_FRONTEND=noninteractive
say() { echo "[$(date +%T)] fresh-chroot-check: $*"; }
t=$(date +%s)
apt-get update -qq && apt-get install -y -qq --no-install-recommends git make >/dev/null
say "installing git and make: $(($(date +%s) - t)) s"
git -c advice.detachedHead=false clone -q /root/scrubwell.bundle /root/scrubwell
cd /root/scrubwell && test "$(git rev-parse HEAD)" = "$1"
t=$(date +%s)
status=0
make check || status=$?
say "make check exit status $status after $(($(date +%s) - t)) s"
exit $status'
status=0
# shellcheck disable=SC2016 # expanded by the inner shell
unshare --mount --propagation private --pid --fork --kill-child /bin/sh -c '
  root=$1
  shift
  mount -t proc proc "$root/proc" &&
    mount -t sysfs sysfs "$root/sys" &&
    mount --rbind /dev "$root/dev" &&
    mount -t tmpfs -o mode=1777 tmpfs "$root/tmp" &&
    mkdir "$root/tmp/.X11-unix" && chmod 1777 "$root/tmp/.X11-unix" &&
    for n in $(seq 99 499); do : >"$root/tmp/.X$n-lock"; done &&
    exec chroot "$root" "$@"' \
  sh "$dir/root" /usr/bin/env -i HOME=/root TERM=dumb LANG=C.UTF-8 \
  PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
  /bin/sh -c "$inner" sh "$commit" >>"$log" 2>&1 || status=$?
grep -E 'fresh-chroot-check: (installing|make check)' "$log" || true
say "$release, commit $commit: make check exit status $status, whole run $(($(date +%s) - run_start)) s"
exit $status
