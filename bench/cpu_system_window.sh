#!/bin/sh
# CPU share of the whole program (every process of its session, the web
# engine's included) over a measuring period: first with only the main menu
# open, then with the operating-system window open beside it, both idle.
#
# Then counts how often the window's up-time text changes a second
# (bench/region_changes.c reads it from the X server every 4 ms, after the
# CPU has been measured, so that the reading costs the program nothing).
#
# Usage: bench/cpu_system_window.sh [path/to/quelmarn] [seconds]
# Needs xvfb-run, xdotool, a C compiler and pkg-config. Runs the program on its own virtual X server;
# the web pages point at 127.0.0.1:9, so nothing reaches the network.
set -eu

binary=${1:-build/bin/quelmarn}
seconds=${2:-10}

if [ -z "${QUELMARN_BENCH_DISPLAY:-}" ]; then
    [ -x "$binary" ] || { echo "no program at $binary (give its path as the first argument)" >&2; exit 2; }
    command -v xdotool >/dev/null || { echo "xdotool is needed (apt-get install xdotool)" >&2; exit 2; }
    exec xvfb-run -a -s "-screen 0 1280x1024x24" env QUELMARN_BENCH_DISPLAY=1 sh "$0" "$binary" "$seconds"
fi

settings=$(mktemp -d)
trap 'kill "$program" 2>/dev/null; rm -rf "$settings"' EXIT
# shellcheck disable=SC2046
cc -O2 "$(dirname "$0")/region_changes.c" -o "$settings/region_changes" $(pkg-config --cflags --libs x11)
# shellcheck disable=SC2046
g++ -std=c++17 -O2 -fPIC "$(dirname "$0")/idle_tick.cpp" -o "$settings/idle_tick" $(pkg-config --cflags --libs Qt6Core)

# CPU time of every thread of every process in the session, in
# nanoseconds. schedstat counts exactly; the utime and stime of /proc/PID/stat
# are sampled at the clock tick, which a program that wakes 55 times a
# second for a fraction of a millisecond can beat or miss by whole ticks.
session_ns() {
    for stat in /proc/[0-9]*/stat; do
        pid=${stat#/proc/}
        pid=${pid%/stat}
        sid=$(sed 's/^.*) //' "$stat" 2>/dev/null | awk '{ print $4 }')
        [ "$sid" = "$1" ] || continue
        cat /proc/"$pid"/task/*/schedstat 2>/dev/null
    done | awk '{ sum += $1 } END { printf "%.0f", sum + 0 }'
}

# The first window whose title matches, waiting up to 30 s for it. Windows
# that come and go during a search make xdotool fail: it is asked again.
wait_window() {
    for _ in $(seq 300); do
        found=$(xdotool search --name "$1" 2>/dev/null | head -n 1 || true)
        [ -n "$found" ] && { echo "$found"; return 0; }
        sleep 0.1
    done
    echo "no window \"$1\" appeared" >&2
    return 1
}

# Percent of one core the session used over $seconds.
measure() {
    before=$(session_ns "$program")
    sleep "$seconds"
    after=$(session_ns "$program")
    awk -v a="$after" -v b="$before" -v s="$seconds" 'BEGIN { printf "%.2f", 100 * (a - b) / 1e9 / s }'
}

QTWEBENGINE_DISABLE_SANDBOX=1 QUELMARN_HOME_SITE=127.0.0.1:9 QUELMARN_SECOND_SITE=127.0.0.1:9 \
QUELMARN_START_PAGE=http://127.0.0.1:9/ QUELMARN_WINDIR="$settings" \
    setsid "$binary" >/dev/null 2>&1 &
program=$!

wait_window '^Quelmarn Manager 0\.05$' >/dev/null
sleep 5 # start-up and the advertisement's failed load settle
menu_only=$(measure)

# Asked again: the menu's native window is made anew when its web view
# first shows, so the first one found may be gone.
menu=$(wait_window '^Quelmarn Manager 0\.05$')

# "Systém" is the main menu's first button (0, 256, 105 x 25).
xdotool mousemove --window "$menu" 52 268 click 1
system=$(wait_window '^Quelmarn Manager 0\.05 - ')
sleep 3
with_system=$(measure)
# win_bezi, the up-time label: 8, 56, 297 x 17.
changes=$("$settings/region_changes" "$system" 8 56 297 17 3 | awk '/^changes_per_s/ { print $2 }')

kill "$program"
# The floor at the window's own tick, nothing drawn: what waking up alone
# costs on this machine, measured the same way.
tick_ms=$(sed -n 's/.*upTimeIntervalMs = \([0-9]*\);.*/\1/p' "$(dirname "$0")/../sections/system/frm_system.h")
floor() {
    setsid "$settings/idle_tick" "$1" "$tick_ms" &
    program=$!
    sleep 2
    measure
    kill "$program"
}
qt_floor=$(floor qt)
sleep_floor=$(floor sleep)

echo "CPU share of one core over ${seconds} s:"
echo "  main menu only:             ${menu_only} %"
echo "  with the system window open: ${with_system} %"
echo "Up-time changes a second with the window open: ${changes}"
echo "The floor, ticking every ${tick_ms} ms and drawing nothing:"
echo "  an empty handler on a Qt timer:       ${qt_floor} %"
echo "  a process that only sleeps and wakes: ${sleep_floor} %"
