#!/usr/bin/env bash
# Installs the Debian packages that the build, the tests and the demo need.
# Safe to run again: apt-get skips what is already there. Needs root.
set -euo pipefail

packages=(
  cmake ninja-build make g++ googletest clang-format
  g++-mingw-w64-i686-win32 g++-mingw-w64-x86-64-win32 binutils-mingw-w64 clang lld llvm
  wine wine64 fonts-wine xvfb xauth imagemagick xdotool
  libmpfr-dev pkgconf jq
  # signing the package's programs, and the certificate the package test makes
  osslsigncode openssl
  # the shared MinGW runtime that one 32-bit test host loads
  gcc-mingw-w64-i686-posix-runtime mingw-w64-i686-dev
  # the emulated i386 machine that runs the 32-bit tests
  qemu-system-x86 qemu-utils debootstrap e2fsprogs cpio
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "install-deps: missing packages (${missing[*]}); run as root" >&2
  exit 1
fi
echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
# No recommends: they would pull in the 32-bit Wine loader, which cannot run here.
apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
