#!/usr/bin/env bash
# Prints the Debian mirror this machine's apt uses: the first URIs of its
# deb822 sources, else the first deb line; SCRUBWELL_MIRROR overrides both.
set -euo pipefail
mirror=${SCRUBWELL_MIRROR:-$(awk '/^URIs:/ { print $2; exit }' /etc/apt/sources.list.d/*.sources 2>/dev/null || true)}
mirror=${mirror:-$(awk '/^deb / { print $2; exit }' /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null || true)}
[ -n "$mirror" ] || { echo "apt-mirror: no Debian mirror in the apt sources" >&2; exit 1; }
echo "$mirror"
