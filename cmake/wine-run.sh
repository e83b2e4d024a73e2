#!/usr/bin/env bash
# Runs a Windows program under Wine for CTest: in a private prefix
# ($QUELMARN_WINEPREFIX, else wineprefix/ beside the current folder, set up
# on first use), inside a virtual desktop (explorer's desktop window with its
# Shell_TrayWnd taskbar) on a private Xvfb display. Never the user's own
# prefix or display. Exits with the program's exit status.
set -euo pipefail
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
export WINEPREFIX=${QUELMARN_WINEPREFIX:-$PWD/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko installers: the tests need neither.
export WINEDLLOVERRIDES="mscoree,mshtml="

inside_display() {
  if [ ! -f "$WINEPREFIX/.quelmarn-ready" ]; then
    mkdir -p "$WINEPREFIX"
    "$wine" wineboot -i >/dev/null 2>&1
    "$wine" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    "$wine" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
    "$wineserver" -w
    touch "$WINEPREFIX/.quelmarn-ready"
  fi
  status=0
  "$wine" "$@" || status=$?
  # The prefix's server and desktop belong to this display, which ends now.
  "$wineserver" -k 2>/dev/null || true
  "$wineserver" -w 2>/dev/null || true
  return $status
}

if [ "${1:-}" = "--inside-display" ]; then
  shift
  inside_display "$@"
  exit $?
fi
# One wine session at a time per prefix: a second run waits for the first.
unset DISPLAY WAYLAND_DISPLAY
mkdir -p "$(dirname "$WINEPREFIX")"
exec flock "$WINEPREFIX.lock" xvfb-run -a -s "-screen 0 1024x768x24" "$0" --inside-display "$@"
