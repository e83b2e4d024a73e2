#!/usr/bin/env bash
# Installs what building, running and testing Quelmarn Manager needs on
# Debian 12. Uses sudo when not run as root.
set -euo pipefail
packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-webengine-dev libqt6webenginecore6-bin qt6-wayland
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libgl-dev libx11-dev libxi-dev libsystemd-dev nlohmann-json3-dev
  xvfb xauth x11-utils
  dbus-daemon openbox
  fonts-liberation2 fonts-dejavu-core
  libglib2.0-dev gvfs gvfs-backends dbus python3-pyftpdlib
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update
"${as_root[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
