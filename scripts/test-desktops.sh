#!/usr/bin/env bash
# Starts a desktop headless with a private session bus and a private, empty
# system bus (never the machine's own), runs the program on it, presses the
# operating-system window's desktop buttons over AT-SPI and checks the
# desktop's own state after each. Run as root: sway refuses root, so it runs
# as an unprivileged user this script makes. Desktops covered: sway
# (Wayland) and Xfce (X11, on Xvfb).
#
#   bash scripts/test-desktops.sh [path/to/quelmarn]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
program=$(realpath "${1:-$top/build/bin/quelmarn}")
user=quelmarn-desktops

packages=(sway python3-pyatspi at-spi2-core dbus-daemon qt6-wayland xvfb x11-utils xdotool
  xfce4-session xfce4-panel xfwm4 xfconf)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  apt-get update
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi
id "$user" >/dev/null 2>&1 || useradd --system --create-home --shell /bin/bash "$user"

work=$(mktemp -d)
pids=()
finish() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap finish EXIT
mkdir -m 700 "$work/run" "$work/settings" "$work/home"
chmod 755 "$work"
chown "$user" "$work/run" "$work/settings" "$work/home"

as_user() {
  runuser -u "$user" -- env -i HOME="$work/home" PATH=/usr/bin:/bin \
    XDG_RUNTIME_DIR="$work/run" DBUS_SESSION_BUS_ADDRESS="$session_bus" DBUS_SYSTEM_BUS_ADDRESS="$system_bus" \
    SWAYSOCK="${swaysock:-}" "$@"
}
# Starts a command as the user in the background; its own process id (not
# runuser's, which passes no signal on) is what the end of this script stops.
start() { # log command...
  local log=$1
  shift
  as_user sh -c 'echo $$ > "$0"; exec "$@"' "$work/run/pid" "$@" > "$log" 2>&1 &
  wait_until test -s "$work/run/pid"
  pids+=("$(cat "$work/run/pid")")
  rm -f "$work/run/pid"
}
# Waits up to $wait seconds (60 unless set) for a command to succeed.
wait_until() {
  local deadline=$((SECONDS + ${wait:-60}))
  until "$@" >/dev/null 2>&1; do
    [ $SECONDS -lt $deadline ] || { echo "timed out waiting for: $*" >&2; return 1; }
    sleep 0.5
  done
}

# The private buses. The system bus has no services at all.
cat > "$work/system.conf" <<EOF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>system</type>
  <listen>unix:path=$work/run/system_bus</listen>
  <auth>EXTERNAL</auth>
  <policy context="default"><allow send_destination="*"/><allow own="*"/></policy>
</busconfig>
EOF
session_bus='' system_bus="unix:path=$work/run/system_bus"
# Both fork and print their process ids, which the end of this script
# stops; the accessibility bus they start ends with the session bus.
as_user dbus-daemon --config-file="$work/system.conf" --fork --print-pid=1 > "$work/system_pid"
as_user dbus-daemon --session --fork --print-address=1 --print-pid=1 > "$work/session"
session_bus=$(sed -n 1p "$work/session")
pids+=("$(cat "$work/system_pid")" "$(sed -n 2p "$work/session")")

failures=0
check() { # what expected actual
  if [ "$2" = "$3" ]; then echo "ok: $1"; else echo "FAILED: $1: expected $2, got $3" >&2; failures=$((failures + 1)); fi
}
press() {
  local status=0
  as_user python3 "$top/scripts/desktop_buttons.py" press "$1" || status=$?
  check "\"$1\" acts without an error box" 0 "$status"
}

# sway, headless, software-rendered, with one bar; it starts the program
# itself so that the program has the session's variables.
cat > "$work/sway.config" <<EOF
output HEADLESS-1 resolution 1280x1024
bar {
  id bar-0
  mode dock
  workspace_buttons yes
  status_command true
}
exec env QT_QPA_PLATFORM=wayland QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 \
  QUELMARN_WINDIR=$work/settings QUELMARN_HOME_SITE=127.0.0.1:9 QTWEBENGINE_DISABLE_SANDBOX=1 \
  XDG_CURRENT_DESKTOP=sway $program > $work/run/program.log 2>&1
EOF
started=$SECONDS
swaysock=$work/run/sway-ipc.sock # sway listens where SWAYSOCK says
start "$work/sway.log" env WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 \
  sway -c "$work/sway.config"
wait_until test -S "$swaysock" || { cat "$work/sway.log" >&2; exit 1; }
bar() { as_user swaymsg -t get_bar_config bar-0 | python3 -c "import json, sys; print(json.load(sys.stdin)['$1'])"; }

as_user python3 "$top/scripts/desktop_buttons.py" open-system || { cat "$work/run/program.log" >&2; exit 1; }
echo "sway: display and operating-system window after $((SECONDS - started)) s"
press "Skrýt Taskbar";  check "sway bar hidden" invisible "$(bar mode)"
press "Zobrazit TaskBar"; check "sway bar back in its mode" dock "$(bar mode)"
press "Skrýt Start";    check "sway workspace buttons hidden" False "$(bar workspace_buttons)"
press "Zobrazit Start"; check "sway workspace buttons back" True "$(bar workspace_buttons)"
as_user swaymsg seat - cursor set 200 300 >/dev/null
check "sway pointer label says the position is unknown" "Souřadnice myši: neznámé" \
  "$(as_user python3 "$top/scripts/desktop_buttons.py" text "Souřadnice myši")"
as_user swaymsg exit >/dev/null 2>&1 || true
swaysock=''

# Xfce on Xvfb, with the panel's default layout (as a first start without
# its question would make it) in the fresh home folder.
display=''
for n in $(seq 70 99); do
  [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || { display=:$n; break; }
done
start "$work/xvfb.log" Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp
x() { as_user env DISPLAY="$display" "$@"; }
wait_until x xdpyinfo
channel="$work/home/.config/xfce4/xfconf/xfce-perchannel-xml"
mkdir -p "$channel"
# Plugins that are not installed are left out: the panel drops them itself
# when it restarts, which would look like a change made here.
python3 - /etc/xdg/xfce4/panel/default.xml "$channel/xfce4-panel.xml" <<'PY'
import os, sys, xml.etree.ElementTree as tree
doc = tree.parse(sys.argv[1])
kinds = {p.get("name"): p.get("value") for p in doc.getroot().iter("property") if p.get("name", "").startswith("plugin-")}
for ids in doc.getroot().iter("property"):
    if ids.get("name") == "plugin-ids":
        for value in list(ids):
            kind = kinds.get("plugin-" + value.get("value"))
            if not os.path.exists(f"/usr/share/xfce4/panel/plugins/{kind}.desktop"):
                ids.remove(value)
doc.write(sys.argv[2])
PY
# No SSH or GPG agent: it would outlive the session.
cat > "$channel/xfce4-session.xml" <<'EOF'
<?xml version="1.0" encoding="UTF-8"?>
<channel name="xfce4-session" version="1.0">
  <property name="startup" type="empty">
    <property name="ssh-agent" type="empty"><property name="enabled" type="bool" value="false"/></property>
    <property name="gpg-agent" type="empty"><property name="enabled" type="bool" value="false"/></property>
  </property>
</channel>
EOF
chown -R "$user" "$work/home"
started=$SECONDS
start "$work/xfce.log" env DISPLAY="$display" XDG_CURRENT_DESKTOP=XFCE xfce4-session
xfconf() { x xfconf-query -c xfce4-panel -p "$1" 2>/dev/null || echo unset; }
ids() { xfconf /panels/panel-1/plugin-ids | tail -n +3 | tr '\n' ' '; }
panel_shown() { x xprop -root _NET_CLIENT_LIST | tr ',' '\n' | grep -o '0x[0-9a-f]*' | while read -r w; do
  x xprop -id "$w" _NET_WM_WINDOW_TYPE; done | grep -q DOCK; }
# A session starts its programs one after another: the panel takes longer
# than a display.
wait=120 wait_until panel_shown || { cat "$work/xfce.log" >&2; exit 1; }
start "$work/run/program.log" env DISPLAY="$display" QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
  QT_ACCESSIBILITY=1 QUELMARN_WINDIR="$work/settings" QUELMARN_HOME_SITE=127.0.0.1:9 QTWEBENGINE_DISABLE_SANDBOX=1 \
  XDG_CURRENT_DESKTOP=XFCE "$program"
as_user python3 "$top/scripts/desktop_buttons.py" open-system || { cat "$work/run/program.log" >&2; exit 1; }
echo "xfce: display and operating-system window after $((SECONDS - started)) s"
autohide=$(xfconf /panels/panel-1/autohide-behavior)
plugins=$(ids)
press "Skrýt Taskbar";  check "xfce panel hides itself" 2 "$(xfconf /panels/panel-1/autohide-behavior)"
press "Zobrazit TaskBar"; check "xfce panel back as it was" "$autohide" "$(xfconf /panels/panel-1/autohide-behavior)"
menu=$(for id in $plugins; do [ "$(xfconf "/plugins/plugin-$id")" != applicationsmenu ] || echo "$id"; done)
press "Skrýt Start"
check "xfce applications menu out of the panel" "$(echo " $plugins" | sed "s/ $menu / /;s/^ //")" "$(ids)"
press "Zobrazit Start"; check "xfce applications menu back in its place" "$plugins" "$(ids)"
x xdotool mousemove 200 300
label() { as_user python3 "$top/scripts/desktop_buttons.py" text "Souřadnice myši"; }
label_is() { [ "$(label)" = "$1" ]; }
wait_until label_is "Souřadnice myši: 200, 300" || true
check "xfce pointer label" "Souřadnice myši: 200, 300" "$(label)"

echo "desktops checked in $SECONDS s, $failures failure(s)"
[ "$failures" -eq 0 ]
