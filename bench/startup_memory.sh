#!/bin/bash
# Whole-process figures of the program beside a minimal Qt window with a menu bar and a list
# (bench/minimalwindow.cpp), each run as a process of its own under X, the two alternated:
#  - start-up: from launch to the moment the GUI thread is first idle after painting the
#    window (wall time, and the CPU time of the GUI thread and of the whole process), and to the
#    moment the text is ready too (read and indexed on its own thread; never before idle), with
#    the text in the page cache (warm) and taken out of it before each run (cold; the libraries
#    stay cached);
#  - memory: the resident memory after start-up and one search that lists every line ("3:99"
#    over "The Bible"), per byte of text above the minimal window's (VmRSS and the peak VmHWM).
# Both at 1x and 10x the text (Bible.dat written ten times over), the memory at 100x too. Medians
# of RUNS runs each.
#
#   bench/startup_memory.sh [BIN_FOLDER [RUNS]]
#
# BIN_FOLDER is where probe_app, probe_minimalwindow and Bible.dat are (build-rel/bin by
# default). Without a DISPLAY the script starts Xvfb for the run.
set -eu
bin=$(cd "${1:-$(dirname "$0")/../build-rel/bin}" && pwd)
runs=${2:-9}
work=$(mktemp -d)
xvfb=
cleanup() {
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

if [ -z "${DISPLAY:-}" ]; then
    for n in $(seq 90 120); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break
    done
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    export DISPLAY=":$n"
    sleep 1
fi
export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work"

# Program folders holding the text once and ten times over; an installed file's times have long
# settled, so wait until these have (a file changed within the last two seconds is read again).
mkdir -p "$work/1x" "$work/10x" "$work/100x"
cp "$bin/Bible.dat" "$work/1x/Bible.dat"
for _ in $(seq 10); do cat "$bin/Bible.dat"; done >"$work/10x/Bible.dat"
for _ in $(seq 10); do cat "$work/10x/Bible.dat"; done >"$work/100x/Bible.dat"
sleep 2.2

# run NAME COMMAND...: one process; appends its name=value lines to $work/NAME.
run() {
    local name=$1
    shift
    VELLUMARK_LAUNCH_NS=$(date +%s%N) "$@" 2>/dev/null | sed -n 's/^\([a-z_]*\)=/\1 /p' \
        >>"$work/$name"
}
median() { # median FILE KEY
    awk -v k="$2" '$1 == k { print $2 }' "$1" | sort -g |
        awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

minimal=("$bin/probe_minimalwindow")
app() { echo "$bin/probe_app" --folder "$work/$1"; }

# One unmeasured round warms the file cache and the folders the program writes its files to.
"${minimal[@]}" >/dev/null 2>&1
for size in 1x 10x; do $(app $size) >/dev/null 2>&1; done
rm -f "$work"/{minimal,app_*,cold_*}

evict() { # evict FILE: out of the page cache (clean pages only, which a file only read has)
    python3 -c 'import os, sys
fd = os.open(sys.argv[1], os.O_RDONLY); os.posix_fadvise(fd, 0, 0, os.POSIX_FADV_DONTNEED)' "$1"
}

for _ in $(seq "$runs"); do
    run minimal "${minimal[@]}"
    for size in 1x 10x; do
        run "app_$size" $(app $size)
        evict "$work/$size/Bible.dat"
        run "cold_$size" $(app $size)
        run minimal "${minimal[@]}"
        run "search_$size" $(app $size) --search 3:99 "The Bible"
    done
    run search_100x $(app 100x) --search 3:99 "The Bible"
done

echo "Start-up to the GUI thread idle and to the text ready, medians of $runs runs" \
    "(minimal window: $((runs * 3)) runs)"
printf '%-24s %10s %10s %12s %10s %12s\n' "" "idle ms" "GUI CPU ms" "process CPU" "ready ms" \
    "ready CPU"
line() { # line LABEL FILE
    printf '%-24s %10.1f %10.1f %12.1f' "$1" "$(median "$2" idle_ms)" \
        "$(median "$2" gui_cpu_ms)" "$(median "$2" process_cpu_ms)"
    if grep -q '^ready_ms' "$2"; then
        printf ' %10.1f %12.1f' "$(median "$2" ready_ms)" "$(median "$2" ready_cpu_ms)"
    fi
    echo
}
line "minimal window" "$work/minimal"
for size in 1x 10x; do
    for cache in app cold; do
        line "program, $size, $([ $cache = app ] && echo warm || echo cold)" "$work/${cache}_$size"
        awk -v a="$(median "$work/${cache}_$size" idle_ms)" -v m="$(median "$work/minimal" idle_ms)" \
            -v ag="$(median "$work/${cache}_$size" gui_cpu_ms)" \
            -v mg="$(median "$work/minimal" gui_cpu_ms)" \
            -v r="$(median "$work/${cache}_$size" ready_ms)" \
            'BEGIN { printf "%-24s %9.2fx %9.2fx %12s %9.2fx\n", "  ratio to minimal", a / m, ag / mg, "", r / m }'
    done
done

echo
echo "Memory after start-up and a search listing every line, medians of $runs runs"
printf '%-22s %10s %10s %14s %14s\n' "" "VmRSS kB" "VmHWM kB" "RSS/byte above" "HWM/byte above"
mrss=$(median "$work/minimal" rss_kb)
mhwm=$(median "$work/minimal" hwm_kb)
printf '%-22s %10d %10d\n' "minimal window" "$mrss" "$mhwm"
for size in 1x 10x 100x; do
    bytes=$(stat -c %s "$work/$size/Bible.dat")
    rss=$(median "$work/search_$size" rss_kb)
    hwm=$(median "$work/search_$size" hwm_kb)
    awk -v r="$rss" -v h="$hwm" -v mr="$mrss" -v mh="$mhwm" -v b="$bytes" -v s="$size" \
        -v n="$(median "$work/search_$size" lines)" 'BEGIN {
            printf "%-22s %10d %10d %14.2f %14.2f\n", "program, " s " (" n " lines)", r, h,
                (r - mr) * 1024 / b, (h - mh) * 1024 / b }'
done
