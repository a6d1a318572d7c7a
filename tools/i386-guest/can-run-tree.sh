#!/usr/bin/env bash
# Succeeds when this machine's kernel runs the programs of the guest's tree
# ROOT (i386 ones on an x86-64 kernel with 32-bit support), in a chroot of it.
# Usage: can-run-tree.sh ROOT
set -euo pipefail
chroot "$1" /usr/bin/env -i PATH=/usr/bin:/bin /bin/true 2>/dev/null
