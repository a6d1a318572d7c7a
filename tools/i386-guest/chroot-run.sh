#!/usr/bin/env bash
# Runs SHARE_DIR/entry.sh in a chroot of the guest's tree ROOT on this machine,
# whose x86-64 kernel runs i386 programs itself. The chroot runs in private
# mount, process and network namespaces: what it mounts (/proc, /tmp,
# /dev/shm, the share at /share) and every process it starts end with it, and
# an X server it starts listens on an abstract socket of its own network
# namespace, so it meets no display of this machine. Inside a chroot, where
# the namespace's mounts cannot be made private, what was mounted is unmounted
# afterwards. The output goes to SHARE_DIR/console.log and stdout.
# -o: over a throwaway overlay in memory, so that the tree stays as it is.
# -t SECONDS: stops everything after that long (exit status 124).
# Exits with 3 when this machine cannot run the tree's programs.
# Usage: chroot-run.sh [-o] [-t SECONDS] ROOT SHARE_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
overlay=
seconds=0
while getopts "ot:" option; do
  case $option in
    o) overlay=1 ;;
    t) seconds=$OPTARG ;;
    *) echo "usage: $0 [-o] [-t SECONDS] ROOT SHARE_DIR" >&2; exit 2 ;;
  esac
done
shift $((OPTIND - 1))
root=$(cd "$1" && pwd -P)
share=$(cd "$2" && pwd -P)
"$here/can-run-tree.sh" "$root" || exit 3
env=(/usr/bin/env -i HOME=/root TERM=dumb LANG=C.UTF-8
  PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin)
# Everything is mounted on or under top: the tree itself, or the overlay's folder.
top=$root
[ -z "$overlay" ] || top=$(mktemp -d "${TMPDIR:-/tmp}/scrubwell-chroot.XXXXXX")
propagation=private
unshare --mount --propagation private true 2>/dev/null || propagation=unchanged
clean_up() {
  awk -v t="$top" '$5 == t || index($5, t "/") == 1 { print $5 }' /proc/self/mountinfo | sort -r |
    while read -r m; do umount -l "$m"; done
  [ -z "$overlay" ] || rmdir "$top"
}
trap clean_up EXIT

status=0
# shellcheck disable=SC2016 # expanded by the inner shell
timeout --kill-after=10 "$seconds" \
  unshare --mount --propagation $propagation --pid --net --fork --kill-child /bin/sh -c '
  root=$1 top=$2 share=$3
  shift 3
  if [ "$top" != "$root" ]; then
    mount -t tmpfs -o mode=755 tmpfs "$top" && mkdir "$top/upper" "$top/work" "$top/root" &&
      mount -t overlay -o "lowerdir=$root,upperdir=$top/upper,workdir=$top/work" overlay "$top/root" ||
      exit 1
    root=$top/root
  fi
  mount --bind "$share" "$root/share" &&
    mount -t tmpfs -o mode=1777 tmpfs "$root/tmp" &&
    mount -t proc proc "$root/proc" &&
    mkdir -p "$root/dev/shm" && mount -t tmpfs -o mode=1777 tmpfs "$root/dev/shm" &&
    exec chroot "$root" "$@" /bin/sh /share/entry.sh' \
  sh "$root" "$top" "$share" "${env[@]}" 2>&1 | tee "$share/console.log" || status=$?
[ $status -ne 124 ] || echo "chroot-run: still running after $seconds s; stopped it" >&2
exit $status
