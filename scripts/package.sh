#!/usr/bin/env bash
# Builds the Debian package quelmarn_<version>_amd64.deb into the top
# folder: the install rules of build/, packed by CPack, with dependencies
# found by dpkg-shlibdeps. Install it with: apt install ./quelmarn_0.05_amd64.deb
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
bash "$top/scripts/install-deps.sh"
bash "$top/scripts/build.sh"
rm -rf "$top/build/package"
(cd "$top/build" && cpack -G DEB -B "$top/build/package")
deb=$(ls "$top/build/package/"quelmarn_*.deb)
cp "$deb" "$top/"
echo "$top/$(basename "$deb")"
