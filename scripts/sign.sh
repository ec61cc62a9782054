#!/usr/bin/env bash
# Signs one Windows executable in place with osslsigncode, with the
# certificate and key of the PKCS#12 file VANTREL_SIGN_PFX, unlocked by
# VANTREL_SIGN_PASSWORD. No timestamp: the signature needs no network.
set -euo pipefail
file=$1
: "${VANTREL_SIGN_PFX:?names no certificate}"
# osslsigncode writes a new file and will not overwrite one.
signed=$file.signing
rm -f "$signed"
trap 'rm -f "$signed"' EXIT
osslsigncode sign -pkcs12 "$VANTREL_SIGN_PFX" -pass "${VANTREL_SIGN_PASSWORD:-}" \
  -n Vantrel -h sha256 -in "$file" -out "$signed" >/dev/null
mv -f "$signed" "$file"
trap - EXIT
