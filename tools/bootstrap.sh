#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks, builds, then either starts the program
# ("run") or runs every test headlessly ("test"). With CI set, compiler warnings fail the build.
set -euo pipefail
cd "$(dirname "$0")/.."

# clang and its runtime libraries (libFuzzer, the sanitizers) build the fuzz targets that CI
# runs after the tests; xdotool, librsvg2-bin, desktop-file-utils, appstream, groff-base and
# dpkg-dev render the icon and check and package the installed program.
packages=(cmake g++ make qt6-base-dev clang-format fonts-liberation poppler-utils xvfb xauth
          clang libclang-rt-14-dev xdotool librsvg2-bin desktop-file-utils appstream groff-base
          dpkg-dev)
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
cmake --preset default "${werror[@]}"
cmake --build build -j "$(nproc)"

case "${1:-run}" in
run)
    exec ./build/bin/vellumark
    ;;
test)
    ctest --preset default
    ;;
*)
    echo "usage: $0 [run|test]" >&2
    exit 2
    ;;
esac
