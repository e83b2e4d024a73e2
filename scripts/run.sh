#!/usr/bin/env bash
# Installs what is missing, builds, and starts Quelmarn Manager.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
bash "$top/scripts/install-deps.sh"
bash "$top/scripts/build.sh"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "There is no display to show Quelmarn Manager on (DISPLAY and WAYLAND_DISPLAY are not set)." >&2
  echo "Run this from a desktop session, or under a virtual X server: xvfb-run -a bash scripts/run.sh" >&2
  exit 2
fi
# Chromium, inside Qt WebEngine, refuses to start its sandbox as root.
if [ "$(id -u)" -eq 0 ]; then export QTWEBENGINE_DISABLE_SANDBOX=1; fi
exec "$top/build/bin/quelmarn"
