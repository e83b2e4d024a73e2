#!/usr/bin/env bash
# Builds the Windows backend of the system calls with mingw-w64 into
# build-windows/, checks that every function the system-call headers
# declare has a Windows definition of that very signature, and runs the
# tests under Wine (a private prefix in build-windows/wineprefix, a virtual
# desktop on a private Xvfb display). Installs what is missing; uses sudo
# when not run as root.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
packages=(cmake make mingw-w64 g++-mingw-w64-x86-64-posix wine64 doctest-dev xvfb xauth locales clang python3)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  "${as_root[@]}" apt-get update
  "${as_root[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi
# The tests run as a Czech system: Wine takes its ANSI code page (1250)
# from this locale, which must exist for Unicode file names to work.
if ! locale -a 2>/dev/null | grep -qix 'cs_CZ.utf8'; then
  "${as_root[@]}" localedef -i cs_CZ -f UTF-8 cs_CZ.UTF-8
fi
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$top" -B "$top/build-windows" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-w64-x86_64.cmake" -DQUELMARN_SYSCALLS_ONLY=ON "${launcher[@]}"
cmake --build "$top/build-windows" -j"$(nproc)"
# A declared system call without a Windows definition, or one whose
# signature drifted, would only show once a whole Windows program is linked.
python3 "$top/cmake/windows_link_check.py" "$top" x86_64-w64-mingw32-g++-posix x86_64-w64-mingw32-nm \
  "$top/build-windows/platform/libquelmarn_sys.a" "$top/build-windows/platform/libquelmarn_codepage.a"
cd "$top/build-windows"
ctest --output-on-failure --timeout 600
