#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks, then either builds and starts the program
# ("run", the program alone) or builds everything and runs every test headlessly ("test").
# With CI set, compiler warnings fail the build.
set -euo pipefail
cd "$(dirname "$0")/.."

mode=${1:-run}
case "$mode" in
run | test) ;;
*)
    echo "usage: $0 [run|test]" >&2
    exit 2
    ;;
esac

# The program needs the compiler, Qt and the fonts its window is drawn in (librsvg2-bin renders
# its icon; Xvfb is the display of a machine without one). The tests need more: clang and its
# runtime libraries (libFuzzer, the sanitizers) build the fuzz targets that CI runs after the
# tests, and clazy (checks of Qt's usage, a plugin of that clang) the clazy preset CI builds;
# xdotool, desktop-file-utils, appstream, groff-base, dpkg-dev and lintian drive, check and
# package the installed program (lintian, Debian's own check of the package, is the largest of
# them; CI installs it to keep the package passing). The SWORD library (libsword-dev, found
# through pkg-config) reads the Bible text modules beside Bible.dat; the tests check one real
# module, the King James Version (sword-text-kjv), against the library's own diatheke.
packages=(cmake g++ make pkg-config qt6-base-dev libsword-dev fonts-liberation librsvg2-bin xvfb
          xauth)
if [ "$mode" = test ]; then
    packages+=(clang-format poppler-utils clang libclang-rt-14-dev clazy xdotool
               desktop-file-utils appstream groff-base dpkg-dev lintian sword-text-kjv diatheke)
fi
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -q
    apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

werror=()
if [ -n "${CI:-}" ]; then
    werror=(-DVELLUMARK_WERROR=ON)
fi

# The window needs a display; rather than build for minutes and then fail, say so now (the
# program itself says the same).
if [ "$mode" = run ] && [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}${QT_QPA_PLATFORM:-}" ]; then
    echo 'vellumark: no display: start one with `Xvfb :1 & export DISPLAY=:1`' >&2
    exit 1
fi

cmake --preset default "${werror[@]}"
if [ "$mode" = run ]; then
    cmake --build build -j "$(nproc)" --target vellumark
    exec ./build/bin/vellumark
fi
cmake --build build -j "$(nproc)"
ctest --preset default
