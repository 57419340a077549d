#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks, builds, then either starts the program
# ("run") or runs every test headlessly ("test").
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake g++ make qt6-base-dev libbenchmark-dev clang-format fonts-liberation poppler-utils
          xvfb xauth xdotool librsvg2-bin desktop-file-utils appstream groff-base dpkg-dev)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -q
    apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

cmake --preset default
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
