#!/bin/sh
# Runs in the i386 guest (the emulated machine, or a chroot of its tree) as
# /share/entry.sh. Copies /share/programs to a folder of the guest (Wine maps
# programs from the emulated machine's 9p share badly), then runs the lines of
# /share/run-list, "LANE NAME SECONDS PROGRAM [ARGUMENTS]", in that folder with
# that time bound: one lane's lines one after another, the lanes side by side.
# Each lane has a virtual display and a wine server of its own, so a lane's
# windows never take another's focus. NAME's output goes to
# /share/out/NAME.log and its exit status to /share/out/NAME.status;
# /share/environment is sourced first, and /share/environment.LANE in a lane.
now() { cut -d' ' -f1 /proc/uptime; }
since() { awk -v a="$1" -v b="$(now)" 'BEGIN { printf "%.1f", b - a }'; }
started=$(now)
mkdir -p /share/out
export WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
[ -f /share/environment ] && . /share/environment
# The uptime at the start is the emulated machine's boot; in a chroot, this machine's.
[ "${I386_WAY:-}" = qemu ] && echo "guest: booted in $started s"
mkdir -p /tmp/run
cp /share/programs/* /tmp/run/
cd /tmp/run || exit 1

# Lane N on display :N. The first lane uses the prefix the image was built
# with; the others each an overlay of it in memory (a prefix of their own,
# hence a wine server of their own), which needs the host's overlayfs.
lane() {
  n=$1
  export DISPLAY=:$n WINEPREFIX=/root/.wine
  [ -f "/share/environment.$n" ] && . "/share/environment.$n"
  if [ "$n" != 1 ]; then
    WINEPREFIX=/root/.wine-$n
    mkdir -p "/tmp/prefix-$n/upper" "/tmp/prefix-$n/work" "$WINEPREFIX"
    mount -t overlay -o "lowerdir=/root/.wine,upperdir=/tmp/prefix-$n/upper,workdir=/tmp/prefix-$n/work" \
      overlay "$WINEPREFIX" || return 1
  fi
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >"/tmp/xvfb-$n.log" 2>&1 &
  i=0
  while [ ! -e "/tmp/.X11-unix/X$n" ] && [ $i -lt 300 ]; do sleep 0.2; i=$((i + 1)); done
  t=$(now)
  timeout 300 wine cmd /c exit >/dev/null 2>&1 </dev/null
  wineserver -p
  echo "guest: lane $n: Wine started in $(since "$t") s"
  while read -r line name seconds program arguments; do
    [ "$line" = "$n" ] || continue
    t=$(now)
    # shellcheck disable=SC2086 # the arguments are words
    timeout -k 10 "$seconds" wine "$program" $arguments </dev/null >"/share/out/$name.log" 2>&1
    status=$?
    echo "$status" >"/share/out/$name.status"
    echo "guest: lane $n: $name: exit $status after $(since "$t") s"
  done </share/run-list
  wineserver -k
  timeout 60 wineserver -w
}

# The lanes' X servers make their sockets here; started side by side, each
# would try to make the folder too, and one that lost the race would listen
# on its abstract socket only, where the wait above never sees it.
mkdir -p /tmp/.X11-unix && chmod 1777 /tmp/.X11-unix
for n in $(cut -d' ' -f1 /share/run-list | sort -u); do
  lane "$n" &
done
wait
echo "guest: done at uptime $(now) s, $(since "$started") s after the start"
