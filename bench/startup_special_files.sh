#!/bin/sh
# Start-up when a special file stands where options.ini or the language
# file should be: a FIFO as options.ini, a FIFO as the language file, and
# lokalizace pointing at /dev/zero. Each must end within 2 s, with the main
# menu on the defaults or with the error, and the process under 200 MB.
# Prints, per case, what ended start-up, after how long, and the peak memory
# (VmHWM) of the program's own process.
#
# Usage: bench/startup_special_files.sh [path/to/quelmarn]
# Needs xvfb-run and xwininfo (x11-utils); web pages point at 127.0.0.1:9.
set -eu

binary=${1:-build/bin/quelmarn}
if [ -z "${QUELMARN_BENCH_DISPLAY:-}" ]; then
    [ -x "$binary" ] || { echo "no program at $binary (give its path as the first argument)" >&2; exit 2; }
    exec xvfb-run -a -s "-screen 0 1280x1024x24" env QUELMARN_BENCH_DISPLAY=1 sh "$0" "$binary"
fi

work=$(mktemp -d)
trap 'kill "$program" 2>/dev/null || true; rm -rf "$work"' EXIT
export QUELMARN_HOME_SITE=127.0.0.1:9 QUELMARN_SECOND_SITE=127.0.0.1:9 QUELMARN_START_PAGE=http://127.0.0.1:9/
[ "$(id -u)" -ne 0 ] || export QTWEBENGINE_DISABLE_SANDBOX=1

# A private copy of the program, so the language file can be a FIFO beside it.
mkdir "$work/app"
cp "$binary" "$(dirname "$binary")"/*.qlk "$work/app/"

run_case() { # name; the folders are set up before
    start=$(date +%s%N)
    QUELMARN_WINDIR="$work/windir" "$work/app/quelmarn" 2>"$work/stderr" &
    program=$!
    ended=""
    for _ in $(seq 200); do
        if grep -aqE "cannot start|nelze spustit" "$work/stderr"; then ended="error shown"; break; fi
        if xwininfo -root -tree 2>/dev/null | grep -q '"Quelmarn Manager 0.05"'; then ended="main menu shown"; break; fi
        kill -0 "$program" 2>/dev/null || { ended="exited"; break; }
        sleep 0.05
    done
    elapsed=$(( ($(date +%s%N) - start) / 1000000 ))
    peak=$(awk '/^VmHWM/ { print $2 " " $3 }' /proc/"$program"/status 2>/dev/null || echo "?")
    kill "$program" 2>/dev/null || true
    wait "$program" 2>/dev/null || true
    printf '%-34s %-16s %6d ms   peak memory %s\n' "$1" "${ended:-still starting}" "$elapsed" "$peak"
    sed -n 's/^/    stderr: /p' "$work/stderr" | grep -av "^    stderr: qt\." | head -3
}

rm -rf "$work/windir"; mkdir "$work/windir"; mkfifo "$work/windir/options.ini"
run_case "FIFO as options.ini"
rm -rf "$work/windir"; mkdir "$work/windir"; printf '[OPTIONS]\nlokalizace=fifo.qlk\n' >"$work/windir/options.ini"
mkfifo "$work/app/fifo.qlk"
run_case "FIFO as the language file"
printf '[OPTIONS]\nlokalizace=../../../../../../dev/zero\n' >"$work/windir/options.ini"
run_case "lokalizace=../../../../../../dev/zero"
