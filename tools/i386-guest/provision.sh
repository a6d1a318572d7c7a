#!/bin/sh
# Provisions a new guest image, on the building machine in a chroot of the
# tree (provision-in-chroot.sh) or, where that machine cannot run i386
# programs, in the guest's first boot; either way as /share/entry.sh: finishes
# debootstrap's second stage, takes out what no test reads and creates the
# 32-bit Wine prefix that every later run starts from. Writes
# /share/provision.ok when all is done.
uptime_s() { cut -d' ' -f1 /proc/uptime; }
echo "provision: start at uptime $(uptime_s) s"
if [ -x /debootstrap/debootstrap ]; then
  if ! /debootstrap/debootstrap --second-stage; then
    echo "provision: debootstrap's second stage failed"
    tail -50 /debootstrap/debootstrap.log
    exit 1
  fi
  echo "provision: second stage done at uptime $(uptime_s) s"
fi
# Kept out of the image: fsync skipped while it was built, documentation,
# manual pages and translations unpacked before dpkg's exclusions applied.
sed -i '/^force-unsafe-io/d' /etc/dpkg/dpkg.cfg.d/scrubwell
rm -f /usr/sbin/policy-rc.d
rm -rf /usr/share/doc/* /usr/share/man/* /usr/share/info/* /usr/share/locale/* /usr/share/lintian/*
# The second stage unmounts these when it ends.
mountpoint -q /proc || mount -t proc proc /proc
mountpoint -q /sys || mount -t sysfs sys /sys
mountpoint -q /dev/pts || { mkdir -p /dev/pts; mount -t devpts -o gid=5,mode=620,ptmxmode=666 devpts /dev/pts; }
mountpoint -q /dev/shm || { mkdir -p /dev/shm; mount -t tmpfs -o mode=1777 tmpfs /dev/shm; }
echo i386guest >/etc/hostname
printf '127.0.0.1 localhost i386guest\n' >/etc/hosts
apt-get clean
dpkg -l wine wine32 libwine xvfb | tail -n +6

export WINEPREFIX=/root/.wine WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
export DISPLAY=:1
Xvfb :1 -screen 0 1024x768x24 -nolisten tcp >/tmp/xvfb.log 2>&1 &
xvfb=$!
i=0
while [ ! -e /tmp/.X11-unix/X1 ] && [ $i -lt 300 ]; do sleep 0.2; i=$((i + 1)); done
rm -rf "$WINEPREFIX"
timeout 900 wineboot -i >/share/wineboot.log 2>&1
timeout 300 wineserver -w
# A virtual desktop: without a window manager, Wine would wait for one to
# withdraw every hidden window. A crash ends the program instead of waiting on
# an invisible crash dialog.
timeout 120 wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
timeout 120 wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
timeout 120 wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
wineserver -k
timeout 120 wineserver -w
kill $xvfb
wait $xvfb 2>/dev/null
echo "provision: Wine prefix done at uptime $(uptime_s) s"
grep -m1 '^#arch' "$WINEPREFIX/system.reg"
if [ -f "$WINEPREFIX/drive_c/windows/system32/kernel32.dll" ] && grep -q ShowCrashDialog "$WINEPREFIX/user.reg"; then
  echo ok >/share/provision.ok
fi
