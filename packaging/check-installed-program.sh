#!/usr/bin/env bash
# Starts the program as a user would, on a display of its own, in its three ways of keeping
# files: installed (into a read-only tree, the user's files in the user's data folder),
# portable (everything beside the executable) and with --folder. A subject is created with
# the keyboard and must survive a restart; the installed tree must not change.
# Usage: check-installed-program.sh <build folder>
set -euo pipefail

build=$(cd "$1" && pwd)
work=$(mktemp -d)
cleanup() {
    [ -n "${program:-}" ] && kill "$program" 2>/dev/null || true
    [ -n "${server:-}" ] && kill "$server" 2>/dev/null || true
    chmod -R u+w "$work" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# The server picks a display no other server holds and writes its number once it listens: a
# number picked here could be one that another test's server is taking at the same moment. It
# does not reset when its last client goes, which left a moment in which the next could not
# connect.
Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
server=$!
for _ in $(seq 400); do [ -s "$work/display" ] && break; sleep 0.05; done
display=:$(head -1 "$work/display")
[ "$display" != : ] || fail "Xvfb did not start"
export DISPLAY=$display QT_QPA_PLATFORM=xcb
export HOME=$work/home XDG_DATA_HOME=$work/home/data XDG_CONFIG_HOME=$work/home/config
export XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
userData=$XDG_DATA_HOME/Vellumark

# Starts the program and waits until its window is shown and idle.
start() {
    "$@" >/dev/null 2>&1 &
    program=$!
    xdotool search --sync --onlyvisible --name 'Vellumark ~' >/dev/null
    sleep 0.2
}
stop() {
    kill "$program" && wait "$program" 2>/dev/null || true
    program=
}
# A click into the reading area gives the window the keyboard (the display has no window
# manager to do it); Tab then goes on to the subject box, where a new subject is typed.
typeSubject() {
    local window
    window=$(xdotool search --onlyvisible --name 'Vellumark ~' | head -1)
    xdotool mousemove --window "$window" 100 300 click 1
    xdotool key Tab Tab Tab ctrl+a
    xdotool type --delay 20 "$1"
    xdotool key Tab
}
# Waits a little for a file the program is writing.
expectFile() {
    for _ in $(seq 200); do [ -e "$1" ] && return; sleep 0.1; done
    fail "$1 is missing"
}
expectBytes() {
    expectFile "$1"
    [ "$(cat "$1")" = "$2" ] || fail "$1 holds '$(cat "$1")', not '$2'"
}

# --version and --help answer on the command line.
stage=$work/stage
DESTDIR=$stage cmake --install "$build" --prefix /usr >/dev/null
installed=$stage/usr/bin/vellumark
# They need no display: a terminal without one gets the answer, not a failure to start.
env -u DISPLAY -u QT_QPA_PLATFORM "$installed" --version | grep -q "^Vellumark [0-9]" ||
    fail "--version"
env -u DISPLAY -u QT_QPA_PLATFORM "$installed" --help | grep -q -- "--folder <folder>" ||
    fail "--help"
# The answers and a search load no more of the toolkit than QtCore; only the window does.
! ldd "$installed" | grep -q Widgets || fail "the executable loads the widget toolkit"
# The texts are listed through the SWORD library, loaded from where it is installed; a search of
# Bible.dat never loads it.
sword=$work/sword
mkdir -p "$sword/mods.d"
printf '[Test]\nDataPath=./none/\nModDrv=RawText\nDescription=Test Bible\n' >"$sword/mods.d/t.conf"
texts=$(SWORD_PATH=$sword "$installed" --texts) || fail "--texts exited with $?"
[ "$texts" = "$(printf 'Bible.dat\tOrrisant Version\nTest\tTest Bible')" ] || fail "--texts: $texts"
printf 'Genesis 1:3  Let there be light.\r\n' >"$sword/Bible.dat"
[ "$(LD_DEBUG=files "$installed" --folder "$sword" --search light --count 2>"$work/loaded")" = 1 ] ||
    fail "--search in $sword"
! grep -q libsword "$work/loaded" || fail "a search loads the SWORD library"
# Without a display the program says so in one line, and how to get one, not with an abort.
set +e
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$installed" 2>"$work/no-display"
status=$?
set -e
[ "$status" = 1 ] && [ "$(wc -l <"$work/no-display")" = 1 ] && grep -q Xvfb "$work/no-display" ||
    fail "without a display: status $status, $(cat "$work/no-display")"

# Installed: nothing is written into the (read-only) tree, the defaults go to the user's data
# folder, and a subject made there is still there after a restart.
chmod -R a-w "$stage"
before=$(find "$stage" -printf '%p %s %T@\n' | sort)
start "$installed"
expectFile "$userData/Pref.dat"
expectFile "$userData/BkMrk.dat"
[ -d "$userData/Verses" ] || fail "no Verses folder in $userData"
typeSubject Love
expectBytes "$userData/Verses/Love.txt" "Love"
stop
start "$installed"
stop
expectBytes "$userData/Verses/Love.txt" "Love"
[ "$before" = "$(find "$stage" -printf '%p %s %T@\n' | sort)" ] || fail "the installed tree changed"

# Portable: a folder holding the executable, its window library and Bible.dat keeps everything
# itself. Without the library, it says so rather than starting nothing.
portable=$work/portable
mkdir -p "$portable"
cp "$build/bin/vellumark" "$build/bin/Bible.dat" "$portable/"
set +e
"$portable/vellumark" 2>"$work/no-library"
status=$?
set -e
[ "$status" = 1 ] && grep -q "vellumark-window.so" "$work/no-library" ||
    fail "without its library: status $status, $(cat "$work/no-library")"
cp "$build/bin/vellumark-window.so" "$portable/"
rm -rf "$userData"
start "$portable/vellumark"
typeSubject Hope
expectBytes "$portable/Verses/Hope.txt" "Hope"
stop
expectFile "$portable/Pref.dat"
expectFile "$portable/BkMrk.dat"
[ ! -e "$userData" ] || fail "the portable program wrote into the user's data folder"

# --folder: a folder that is not there is refused, on the terminal and in a message box, and
# nothing is made; any folder that is there is the program folder.
set +e
env -u DISPLAY -u QT_QPA_PLATFORM "$installed" --folder "$work/missing/sub" 2>/dev/null
refused=$?
"$installed" --folder "$work/missing/sub" 2>/dev/null &
box=$!
message=$(timeout 20 xdotool search --sync --onlyvisible --name '^Vellumark$' | head -1)
[ -n "$message" ] || fail "--folder of a missing folder showed no message box"
xdotool windowfocus --sync "$message"
xdotool key Return
wait "$box"
shown=$?
set -e
[ "$refused$shown" = 22 ] || fail "--folder of a missing folder exited with $refused and $shown"
[ ! -e "$work/missing" ] || fail "--folder made the folder it was given"

named=$work/named
mkdir -p "$named"
cp "$build/bin/Bible.dat" "$named/"
start "$installed" --folder "$named"
typeSubject Faith
expectBytes "$named/Verses/Faith.txt" "Faith"
stop
expectFile "$named/Pref.dat"
[ ! -e "$userData" ] || fail "--folder wrote into the user's data folder"
echo "installed, portable and --folder: all kept their files where they belong"
