#!/usr/bin/env bash
# Signs PE files in place with Authenticode (SHA-256), when a certificate is
# given: SCRUBWELL_SIGN_CERT and SCRUBWELL_SIGN_KEY name the PEM files of the
# code-signing certificate (with its chain) and its private key,
# SCRUBWELL_SIGN_TIMESTAMP_URL an RFC 3161 time-stamp server, if any. Without
# them the files stay unsigned, and it says so. The signing time is
# SOURCE_DATE_EPOCH when set and osslsigncode can set it.
# Usage: sign-pe.sh FILE...
set -euo pipefail
if [ -z "${SCRUBWELL_SIGN_CERT:-}" ] || [ -z "${SCRUBWELL_SIGN_KEY:-}" ]; then
  echo "sign-pe: unsigned (set SCRUBWELL_SIGN_CERT and SCRUBWELL_SIGN_KEY to sign)"
  exit 0
fi
options=(-certs "$SCRUBWELL_SIGN_CERT" -key "$SCRUBWELL_SIGN_KEY" -h sha256 -n Scrubwell)
[ -n "${SCRUBWELL_SIGN_TIMESTAMP_URL:-}" ] && options+=(-ts "$SCRUBWELL_SIGN_TIMESTAMP_URL")
# Older osslsigncode cannot set the signing time.
if [ -n "${SOURCE_DATE_EPOCH:-}" ] && osslsigncode sign --help 2>&1 | grep -q '^-time '; then
  options+=(-time "$SOURCE_DATE_EPOCH")
fi
for file in "$@"; do
  osslsigncode sign "${options[@]}" -in "$file" -out "$file.signed" >/dev/null
  mv "$file.signed" "$file"
  echo "sign-pe: signed $file"
done
