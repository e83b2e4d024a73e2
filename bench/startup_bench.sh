#!/bin/sh
# Start-up and memory of the main menu against yardsticks, measured side by
# side in one run on one virtual X server (runs interleaved, so a busy
# machine slows every program alike).
#
# Start-up: time from starting the program until its first window is mapped
# (bench/map_watch.c watches the X server's MapNotify events), median of
# RUNS runs after one warm-up run each, for: our main menu, a bare Qt Widgets
# window with ten buttons (bench/bare_window.cpp), and FeatherPad and Stacer
# when installed. Memory: the whole process tree (web-engine helpers
# included) 12 s after start: ours with its home site answering against a
# bare QWebEngineView of the banner's size (bench/bare_banner.cpp), both
# showing the same page from a loopback web server; ours with the site not
# answering; FeatherPad and Stacer when installed.
#
# Usage: sh bench/startup_bench.sh [build folder] [runs]   (defaults: build 7)
# Needs xvfb-run, a C and a C++ compiler, pkg-config and python3 (for the
# loopback web server). Nothing reaches the network: every site is 127.0.0.1.
set -eu

build=${1:-build}
runs=${2:-7}
here=$(cd "$(dirname "$0")/.." && pwd)
program="$build/bin/quelmarn"

if [ -z "${QUELMARN_BENCH_DISPLAY:-}" ]; then
    [ -x "$program" ] || { echo "no program at $program (build first, or give the build folder)" >&2; exit 2; }
    exec xvfb-run -a -s "-screen 0 1280x1024x24" env QUELMARN_BENCH_DISPLAY=1 sh "$0" "$build" "$runs"
fi
program=$(cd "$(dirname "$program")" && pwd)/quelmarn

work=$(mktemp -d)
server=
cleanup() {
    [ -n "$server" ] && kill "$server" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT INT TERM

echo "Building the yardsticks..."
cc -O2 "$here/bench/map_watch.c" -o "$work/map_watch" $(pkg-config --cflags --libs x11)
# shellcheck disable=SC2046
g++ -std=c++17 -O2 -fPIC "$here/bench/bare_window.cpp" -o "$work/bare_window" $(pkg-config --cflags --libs Qt6Widgets)
# shellcheck disable=SC2046
g++ -std=c++17 -O2 -fPIC "$here/bench/bare_banner.cpp" -o "$work/bare_banner" \
    $(pkg-config --cflags --libs Qt6WebEngineWidgets Qt6WebEngineCore Qt6Widgets)

# One home for every program, so that no user's settings take part.
mkdir -p -m 700 "$work/runtime"
mkdir -p "$work/home" "$work/windir" "$work/site/program/reklama/uvod"
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_CACHE_HOME="$work/home/.cache" \
    XDG_DATA_HOME="$work/home/.local/share" XDG_RUNTIME_DIR="$work/runtime"
[ "$(id -u)" -eq 0 ] && export QTWEBENGINE_DISABLE_SANDBOX=1

# The banner page both web views show.
cp "$here/main_menu/offline/index.html" "$work/site/program/reklama/uvod/index.html"
port=$((20000 + $$ % 20000))
python3 -m http.server "$port" --bind 127.0.0.1 --directory "$work/site" >/dev/null 2>&1 &
server=$!
banner_url="http://127.0.0.1:$port/program/reklama/uvod/index.html"
export QUELMARN_HOME_SITE="127.0.0.1:$port" QUELMARN_SECOND_SITE="127.0.0.1:$port" \
    QUELMARN_START_PAGE="http://127.0.0.1:$port/" QUELMARN_TEST_HOST=127.0.0.1:9 QUELMARN_WINDIR="$work/windir"
sleep 1

set -- ours bare
command -v featherpad >/dev/null && set -- "$@" featherpad
command -v stacer >/dev/null && set -- "$@" stacer
command_of() {
    case $1 in
        ours) echo "$program" ;;
        bare) echo "$work/bare_window" ;;
        featherpad) echo featherpad ;;
        stacer) echo stacer ;;
    esac
}

median() { sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else printf "%.1f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

echo "Start-up: $runs runs each after a warm-up, interleaved..."
for run in $(seq 0 "$runs"); do
    for name in "$@"; do
        # shellcheck disable=SC2046
        ms=$("$work/map_watch" $(command_of "$name") 2>/dev/null | awk '/^map_ms/ { print $2 }')
        [ -n "$ms" ] || { echo "$name mapped no window" >&2; exit 1; }
        [ "$run" -gt 0 ] && echo "$ms" >> "$work/$name.ms"
    done
done

echo
echo "Time until the first window is mapped (median of $runs runs under Xvfb):"
ours=$(median < "$work/ours.ms")
for name in "$@"; do
    m=$(median < "$work/$name.ms")
    eval "ms_$name=$m"
    printf "  %-11s %7s ms   runs: %s\n" "$name" "$m" "$(tr '\n' ' ' < "$work/$name.ms")"
done
echo "Ratios (ours / other; below 1 = ours is faster):"
for name in "$@"; do
    [ "$name" = ours ] && continue
    eval "m=\$ms_$name"
    printf "  ours / %-11s %s\n" "$name" "$(ratio "$ours" "$m")"
done

echo
echo "Memory of the whole process tree, 12 s after the window is mapped (median of 3 interleaved runs):"
# Two cases for ours: the home site answering with the banner's page (the
# web engine shows it) and not answering (a loopback port where nothing
# listens: the banner is the offline strip, no engine). Ours draws web
# views in software (it sets QT_QUICK_BACKEND=software); the bare view is
# measured as it comes and with that same setting.
hold() { "$work/map_watch" --hold 12 "$@" 2>/dev/null | awk '/^rss_kb/ { print $2, $4, $6 }'; }
mem_names="answering silent banner software"
for name in featherpad stacer; do command -v "$name" >/dev/null && mem_names="$mem_names $name"; done
for run in 1 2 3; do
    hold "$program" >> "$work/answering.mem"
    QUELMARN_HOME_SITE=127.0.0.1:9 hold "$program" >> "$work/silent.mem"
    hold "$work/bare_banner" "$banner_url" >> "$work/banner.mem"
    QT_QUICK_BACKEND=software hold "$work/bare_banner" "$banner_url" >> "$work/software.mem"
    for name in featherpad stacer; do
        case " $mem_names " in *" $name "*) hold "$name" >> "$work/$name.mem" ;; esac
    done
done
label_answering="ours, site answering"
label_silent="ours, site not answering"
label_banner="bare QWebEngineView"
label_software="bare QWebEngineView, software"
label_featherpad="FeatherPad"
label_stacer="Stacer"
for name in $mem_names; do
    rss=$(awk '{ print $1 }' "$work/$name.mem" | median)
    pss=$(awk '{ print $2 }' "$work/$name.mem" | median)
    procs=$(awk '{ print $3 }' "$work/$name.mem" | median)
    eval "rss_$name=$rss pss_$name=$pss label=\$label_$name"
    printf "  %-31s RSS %6.1f MB   PSS %6.1f MB   processes %s\n" "$label" \
        "$(awk -v k="$rss" 'BEGIN { print k / 1024 }')" "$(awk -v k="$pss" 'BEGIN { print k / 1024 }')" "$procs"
done
echo "Ratios, site answering (ours / bare QWebEngineView; below 1 = ours uses less):"
echo "  as it comes: RSS $(ratio "$rss_answering" "$rss_banner")   PSS $(ratio "$pss_answering" "$pss_banner")"
echo "  software:    RSS $(ratio "$rss_answering" "$rss_software")   PSS $(ratio "$pss_answering" "$pss_software")"
for name in featherpad stacer; do
    case " $mem_names " in *" $name "*) ;; *) continue ;; esac
    eval "rss=\$rss_$name pss=\$pss_$name label=\$label_$name"
    echo "Ratios, ours / $label (below 1 = ours uses less):"
    echo "  site not answering: RSS $(ratio "$rss_silent" "$rss")   PSS $(ratio "$pss_silent" "$pss")"
    echo "  site answering:     RSS $(ratio "$rss_answering" "$rss")   PSS $(ratio "$pss_answering" "$pss")"
done
