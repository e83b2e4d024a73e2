#!/bin/sh
# File operations against cp and mv, and opening a 20 MB note.
#
# Usage (as root, after a build):  sh bench/file_ops_bench.sh [build folder] [GiB]
# Defaults: build folder "build", 1 GiB. Compiles bench/file_ops_bench.cpp
# against the build's static libraries, mounts two tmpfs folders under a
# temporary folder in /var/tmp (a disk file system), runs, and unmounts.
# Prints the time and throughput of each operation and the ratio
# (tool time / our time; 1.00 = as fast as the tool, above 1 = faster).
set -eu

build=${1:-build}
gib=${2:-1}
here=$(cd "$(dirname "$0")/.." && pwd)
[ -d "$build/platform" ] || { echo "no build at $build (build first, or give its folder)" >&2; exit 2; }
[ "$(id -u)" = 0 ] || { echo "run as root: the cross-device move needs two tmpfs mounts" >&2; exit 2; }

work=$(mktemp -d /var/tmp/quelmarn-bench.XXXXXX)
program="$work/file_ops_bench"
cleanup() {
    umount "$work/a" 2>/dev/null || true
    umount "$work/b" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT INT TERM

libs=$(find "$build" -name 'libquelmarn_*.a' ! -name 'libquelmarn_test_support.a' | tr '\n' ' ')
# shellcheck disable=SC2086
g++ -std=c++17 -O2 -fPIC -I"$here" -I"$build/generated" "$here/bench/file_ops_bench.cpp" -o "$program" \
    $(pkg-config --cflags Qt6Widgets Qt6Network Qt6DBus) \
    -Wl,--start-group $libs -Wl,--end-group \
    $(pkg-config --libs Qt6Widgets Qt6WebEngineWidgets Qt6DBus Qt6Network x11 xi) \
    $(pkg-config --libs gio-2.0 2>/dev/null || true)

size=$((gib * 1024 * 1024 * 1024))
mkdir -p "$work/a" "$work/b" "$work/disk"
room=$((gib * 3 + 1))G
mount -t tmpfs -o size=$room tmpfs "$work/a"
mount -t tmpfs -o size=$room tmpfs "$work/b"
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "$program" "$work" "$size"
