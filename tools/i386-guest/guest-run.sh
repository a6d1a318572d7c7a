#!/bin/sh
# Runs inside the i386 guest as /share/entry.sh. Starts a virtual display and
# one wine server, copies /share/programs to a folder of the guest (Wine maps
# programs from the 9p share badly), then runs each line of /share/run-list,
# "NAME SECONDS PROGRAM [ARGUMENTS]", in that folder with that time bound.
# NAME's output goes to /share/out/NAME.log and its exit status to
# /share/out/NAME.status; /share/environment is sourced first.
now() { cut -d' ' -f1 /proc/uptime; }
since() { awk -v a="$1" -v b="$(now)" 'BEGIN { printf "%.1f", b - a }'; }
started=$(now)
mkdir -p /share/out
export WINEPREFIX=/root/.wine WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml= DISPLAY=:1
[ -f /share/environment ] && . /share/environment
Xvfb :1 -screen 0 1024x768x24 -nolisten tcp >/tmp/xvfb.log 2>&1 &
i=0
while [ ! -e /tmp/.X11-unix/X1 ] && [ $i -lt 300 ]; do sleep 0.2; i=$((i + 1)); done
mkdir -p /tmp/run
cp /share/programs/* /tmp/run/
cd /tmp/run || exit 1
t=$(now)
timeout 300 wine cmd /c exit >/dev/null 2>&1 </dev/null
wineserver -p
echo "guest: booted in $started s, Wine started in $(since "$t") s"
while read -r name seconds program arguments; do
  t=$(now)
  # shellcheck disable=SC2086 # the arguments are words
  timeout -k 10 "$seconds" wine "$program" $arguments </dev/null >"/share/out/$name.log" 2>&1
  status=$?
  echo "$status" >"/share/out/$name.status"
  echo "guest: $name: exit $status after $(since "$t") s"
done </share/run-list
wineserver -k
timeout 60 wineserver -w
echo "guest: done at uptime $(now) s"
