#!/usr/bin/env bash
# Starts each desktop headless with a private session bus and a private,
# empty system bus (never the machine's own), runs the program on it
# (natively, and as an X11 program where the desktop has XWayland), presses
# the operating-system window's desktop buttons over AT-SPI and reads the
# desktop's own state after each, then moves the pointer with the desktop's
# own means and reads the pointer label. Desktops: sway, GNOME Shell and KDE
# Plasma on Wayland, Plasma and Xfce on X11 (Xvfb). Run as root: the
# desktops run as an unprivileged user this script makes, each in process,
# mount and network namespaces of its own, so that whatever a desktop
# started ends with it.
#
#   bash scripts/test-desktops.sh [path/to/quelmarn] [desktop...]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
user=quelmarn-desktops
desktops=(sway gnome plasma-wayland plasma-x11 xfce)

if [ "${1:-}" != --inside ]; then
  program=$(realpath "${1:-$top/build/bin/quelmarn}")
  [ $# -lt 2 ] || desktops=("${@:2}")
  packages=(python3-pyatspi at-spi2-core dbus-daemon qt6-wayland xvfb x11-utils xdotool
    sway xwayland xfce4-session xfce4-panel xfwm4 xfconf gnome-shell kwin-wayland kwin-x11 plasma-desktop
    gcc libwayland-dev libwayland-bin plasma-wayland-protocols)
  missing=()
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
    echo "desktop packages installed in $SECONDS s"
  fi
  id "$user" >/dev/null 2>&1 || useradd --system --create-home --shell /bin/bash "$user"
  failed=()
  for desktop in "${desktops[@]}"; do
    started=$SECONDS
    unshare --pid --fork --mount-proc --net --kill-child bash "$0" --inside "$desktop" "$program" || failed+=("$desktop")
    echo "$desktop: $((SECONDS - started)) s"
  done
  echo "desktops checked in $SECONDS s; failed: ${failed[*]:-none}"
  [ ${#failed[@]} -eq 0 ]
  exit
fi

desktop=$2 program=$3
# A /tmp of its own (and a network without even loopback): the displays'
# sockets and locks go with the namespace, and their numbers are its own.
mount -t tmpfs tmpfs /tmp
mkdir -m 1777 /tmp/.X11-unix
work=$(mktemp -d)
# This shell is the namespace's first process: -1 is everything else in it.
trap 'kill -KILL -1 2>/dev/null' EXIT
mkdir -m 700 "$work/run" "$work/settings" "$work/home"
chmod 755 "$work"
home=$work/home
session_env=() # the desktop's variables, which the program is started with
as_user() {
  runuser -u "$user" -- env -i HOME="$home" PATH=/usr/bin:/bin XDG_RUNTIME_DIR="$work/run" \
    DBUS_SESSION_BUS_ADDRESS="$session_bus" DBUS_SYSTEM_BUS_ADDRESS="$system_bus" "${session_env[@]}" "$@"
}
# Starts a command as the user in the background, its output into
# $work/run/LOG, and prints its process id.
start() { # log command...
  local log=$work/run/$1
  shift
  as_user sh -c 'echo $$ > "$0.pid"; exec "$@"' "$log" "$@" > "$log" 2>&1 < /dev/null &
  disown
  wait_until test -s "$log.pid"
  cat "$log.pid"
}
# Waits up to $wait seconds (60 unless set) for a command to succeed.
wait_until() {
  local deadline=$((SECONDS + ${wait:-60}))
  until "$@" >/dev/null 2>&1; do
    [ $SECONDS -lt $deadline ] || { echo "timed out waiting for: $*" >&2; return 1; }
    sleep 0.5
  done
}
# An Xvfb display, as $display.
xvfb() {
  display=:70
  start xvfb.log Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp > /dev/null
  wait_until x xdpyinfo
}
buttons() { as_user python3 "$top/scripts/desktop_buttons.py" "$@"; }
x() { as_user env DISPLAY="$display" "$@"; }
docks() { x xprop -root _NET_CLIENT_LIST | tr ',' '\n' | grep -o '0x[0-9a-f]*' | while read -r w; do
  x xprop -id "$w" _NET_WM_WINDOW_TYPE | grep -q DOCK && echo "$w"; done; }
has_dock() { [ -n "$(docks)" ]; }

# The private buses. The system bus has no services at all.
cat > "$work/system.conf" <<EOF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>system</type>
  <listen>unix:path=$work/run/system_bus</listen>
  <auth>EXTERNAL</auth>
  <policy context="default"><allow send_destination="*"/><allow receive_sender="*"/><allow own="*"/></policy>
</busconfig>
EOF
session_bus='' system_bus="unix:path=$work/run/system_bus"
chown -R "$user" "$work/run" "$work/settings" "$home"
as_user dbus-daemon --config-file="$work/system.conf" --fork
as_user dbus-daemon --session --fork --print-address=1 > "$work/session"
session_bus=$(cat "$work/session")

failures=0
check() { # what expected actual
  if [ "$2" = "$3" ]; then echo "ok: $desktop: $1${3:+ ($3)}"; else echo "FAILED: $desktop: $1: expected $2, got $3" >&2; failures=$((failures + 1)); fi
}
# Presses a button; "refused WORD" expects the one box saying why, with WORD.
press() { # caption [refused word]
  local status=0 said
  said=$(buttons press "$1") || status=$?
  if [ "${2:-}" = refused ]; then
    check "\"$1\" says why it cannot" "3 $3" "$status $(grep -o "$3" <<< "$said" | head -1)"
  else
    check "\"$1\" acts without an error box" 0 "$status${said:+ ($said)}"
  fi
}
label() { buttons text "Souřadnice myši"; }
label_is() { [ "$(label)" = "$1" ]; }

# One run of the program on the desktop: the buttons, each read back with
# the desktop's functions taskbar and start_button, and the pointer label
# after move_pointer. hidden_start "refused WORD" expects a refusal.
run_program() { # qt-platform hidden_taskbar hidden_start pointer(position|unknown)
  local platform=$1 pid shown_taskbar shown_start expected
  pid=$(start "program-$platform.log" env QT_QPA_PLATFORM="$platform" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 \
    QUELMARN_WINDIR="$work/settings" QUELMARN_HOME_SITE=127.0.0.1:9 QTWEBENGINE_DISABLE_SANDBOX=1 "$program")
  desktop="$desktop ($platform)"
  buttons open-system || { echo "${session_env[*]}" >&2; cat "$work/run/program-$platform.log" >&2; exit 1; }
  echo "$desktop: operating-system window after $((SECONDS - started)) s"
  shown_taskbar=$(taskbar) shown_start=$(start_button)
  press "Skrýt Taskbar";    check "taskbar hidden" "$2" "$(taskbar)"
  press "Zobrazit TaskBar"; check "taskbar back as it was" "$shown_taskbar" "$(taskbar)"
  if [ "${3%% *}" = refused ]; then
    press "Skrýt Start" $3;    check "Start button left alone" "$shown_start" "$(start_button)"
    press "Zobrazit Start" $3; check "Start button left alone" "$shown_start" "$(start_button)"
  else
    press "Skrýt Start";    check "Start button hidden" "$3" "$(start_button)"
    press "Zobrazit Start"; check "Start button back" "$shown_start" "$(start_button)"
  fi
  for at in "200 300" "333 444"; do
    move_pointer $at
    expected="Souřadnice myši: neznámé"
    [ "$4" = unknown ] || expected="Souřadnice myši: ${at/ /, }"
    wait=10 wait_until label_is "$expected" || true
    check "pointer label at $at" "$expected" "$(label)"
  done
  kill "$pid"
  wait_until eval '! kill -0 "$pid"'
  desktop=${desktop% (*}
}

started=$SECONDS
case $desktop in
sway)
  # Headless, software-rendered, with one bar; it tells its variables to
  # the file that its exec writes.
  cat > "$work/sway.config" <<EOF
output HEADLESS-1 resolution 1280x1024
bar {
  id bar-0
  mode dock
  workspace_buttons yes
  status_command true
}
exec env > $work/run/session.env
EOF
  start sway.log env WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 \
    sway -c "$work/sway.config" > /dev/null
  wait_until test -s "$work/run/session.env" || { cat "$work/run/sway.log" >&2; exit 1; }
  session_env=(XDG_CURRENT_DESKTOP=sway $(grep -E '^(SWAYSOCK|WAYLAND_DISPLAY|DISPLAY)=' "$work/run/session.env"))
  bar() { as_user swaymsg -t get_bar_config bar-0 | python3 -c "import json, sys; print(json.load(sys.stdin)['$1'])"; }
  taskbar() { bar mode; }
  start_button() { bar workspace_buttons; }
  move_pointer() { as_user swaymsg seat - cursor set "$1" "$2" > /dev/null; }
  run_program wayland invisible False unknown
  run_program xcb invisible False unknown
  ;;
gnome)
  # The program's shell extension where a user's own extensions are, before
  # the shell starts; no screen lock while the test waits.
  mkdir -p "$home/.local/share/gnome-shell/extensions"
  cp -r "$top/dist/gnome-shell/quelmarn@quelmarn.example" "$home/.local/share/gnome-shell/extensions/"
  chown -R "$user" "$home"
  as_user gsettings set org.gnome.desktop.screensaver lock-enabled false
  as_user gsettings set org.gnome.desktop.session idle-delay 0
  session_env=(XDG_CURRENT_DESKTOP=GNOME XDG_SESSION_TYPE=wayland)
  start gnome.log gnome-shell --headless --wayland --wayland-display wayland-quelmarn \
    --virtual-monitor 1280x1024 > /dev/null
  session_env+=(WAYLAND_DISPLAY=wayland-quelmarn)
  shell() { as_user dbus-send --session --print-reply=literal --dest=org.gnome.Shell "$@"; }
  wait_until shell /org/gnome/Shell org.gnome.Shell.Extensions.GetExtensionInfo string:quelmarn@quelmarn.example \
    || { cat "$work/run/gnome.log" >&2; exit 1; }
  visible() {
    shell /example/quelmarn/Shell org.freedesktop.DBus.Properties.Get string:example.quelmarn.Shell string:"$1" \
      | grep -o 'true\|false'
  }
  taskbar() { visible TopBarVisible; }
  start_button() { visible ActivitiesVisible; }
  move_pointer() { buttons move-mutter "$1" "$2"; }
  run_program wayland false false position
  session_env+=("$(sed -n 's/.*Using public X11 display \(:[0-9]*\).*/DISPLAY=\1/p' "$work/run/gnome.log")"
    "XAUTHORITY=$(ls "$work"/run/.mutter-Xwaylandauth.*)")
  run_program xcb false false position
  ;;
plasma-wayland | plasma-x11)
  # No screen lock while the test waits; two virtual desktops, with the
  # panel on both.
  mkdir -p "$home/.config" "$home/.local/share/applications"
  printf '[Daemon]\nAutolock=false\nLockOnResume=false\n' > "$home/.config/kscreenlockerrc"
  printf '[Desktops]\nNumber=2\nRows=1\n' > "$home/.config/kwinrc"
  session_env=(XDG_CURRENT_DESKTOP=KDE KDE_FULL_SESSION=true KDE_SESSION_VERSION=5)
  if [ "$desktop" = plasma-wayland ]; then
    # KWin's pointer moves through its fake input, which it offers to the
    # programs whose menu entry asks for it.
    protocol=/usr/share/plasma-wayland-protocols/fake-input.xml
    wayland-scanner client-header "$protocol" "$work/fake-input-client.h"
    wayland-scanner private-code "$protocol" "$work/fake-input.c"
    cc -I"$work" -o "$work/kwin_pointer" "$top/scripts/kwin_pointer.c" "$work/fake-input.c" -lwayland-client
    printf '[Desktop Entry]\nType=Application\nName=Pointer\nExec=%s\nX-KDE-Wayland-Interfaces=org_kde_kwin_fake_input\n' \
      "$work/kwin_pointer" > "$home/.local/share/applications/kwin-pointer.desktop"
    chown -R "$user" "$home"
    # A copy without the file capability the packaged binary carries,
    # which the kernel refuses to grant here.
    cp /usr/bin/kwin_wayland "$work/kwin_wayland"
    start kwin.log "$work/kwin_wayland" --virtual --xwayland --socket wayland-quelmarn --width 1280 \
      --height 1024 "sh -c 'env > $work/run/session.env'" > /dev/null
    wait_until test -s "$work/run/session.env" || { cat "$work/run/kwin.log" >&2; exit 1; }
    session_env+=(WAYLAND_DISPLAY=wayland-quelmarn $(grep -E '^(DISPLAY|XAUTHORITY)=' "$work/run/session.env"))
    platforms=(wayland xcb) shell_platform=wayland hidden=autohide
    move_pointer() { as_user env "$work/kwin_pointer" "$1" "$2"; }
  else
    chown -R "$user" "$home"
    xvfb
    session_env+=(DISPLAY="$display")
    start kwin.log env KWIN_COMPOSE=N kwin_x11 > /dev/null
    platforms=(xcb) shell_platform=xcb hidden="autohide on 4294967295 of 2"
    move_pointer() { x xdotool mousemove "$1" "$2"; }
  fi
  # Services the bus starts (the activity manager the shell needs) get the
  # session's variables, as a real session gives them.
  as_user dbus-update-activation-environment "${session_env[@]}" QT_QPA_PLATFORM=$shell_platform
  start plasma.log env QT_QPA_PLATFORM=$shell_platform plasmashell > /dev/null
  evaluate() {
    as_user dbus-send --session --print-reply=literal --dest=org.kde.plasmashell /PlasmaShell \
      org.kde.PlasmaShell.evaluateScript string:"$1" | sed 's/^ *//'
  }
  hiding() { evaluate "print(panels().map(function (p) { return p.hiding; }).join(' '))"; }
  has_panel() { [ -n "$(hiding)" ]; }
  wait=120 wait_until has_panel || { cat "$work/run/plasma.log" >&2; exit 1; }
  if [ "$desktop" = plasma-wayland ]; then
    taskbar() { hiding; }
  else
    # And the virtual desktops the panel's window is on: all (0xFFFFFFFF).
    taskbar() {
      echo "$(hiding) on $(for w in $(docks); do x xprop -id "$w" _NET_WM_DESKTOP | grep -o '[0-9]*$'; done)" \
        "of $(x xprop -root _NET_NUMBER_OF_DESKTOPS | grep -o '[0-9]*$')"
    }
    wait_until has_dock
  fi
  start_button() { evaluate "print(panels().map(function (p) { return p.widgets().map(function (w) { return w.type; }); }).join(' '))"; }
  for platform in "${platforms[@]}"; do
    run_program "$platform" "$hidden" "refused oblíbené" position
  done
  ;;
xfce)
  # On Xvfb, with the panel's default layout (as a first start without its
  # question would make it) in the fresh home folder.
  xvfb
  channel="$home/.config/xfce4/xfconf/xfce-perchannel-xml"
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
  chown -R "$user" "$home"
  session_env=(DISPLAY="$display" XDG_CURRENT_DESKTOP=XFCE)
  start xfce.log xfce4-session > /dev/null
  xfconf() { as_user xfconf-query -c xfce4-panel -p "$1" 2>/dev/null || echo unset; }
  ids() { xfconf /panels/panel-1/plugin-ids | tail -n +3 | tr '\n' ' '; }
  # A session starts its programs one after another: the panel takes longer
  # than a display.
  wait=120 wait_until has_dock || { cat "$work/run/xfce.log" >&2; exit 1; }
  taskbar() { xfconf /panels/panel-1/autohide-behavior; }
  start_button() { ids; }
  plugins=$(ids)
  menu=$(for id in $plugins; do [ "$(xfconf "/plugins/plugin-$id")" != applicationsmenu ] || echo "$id"; done)
  move_pointer() { x xdotool mousemove "$1" "$2"; }
  run_program xcb 2 "$(echo " $plugins" | sed "s/ $menu / /;s/^ //")" position
  ;;
esac
echo "$desktop: checked in $((SECONDS - started)) s, $failures failure(s)"
[ "$failures" -eq 0 ]
