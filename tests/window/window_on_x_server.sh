#!/usr/bin/env bash
# The window on a real X server, for what only the real platform does: starts Xvfb on a free
# display, runs frameplan-gui on a listing with Qt's xcb platform, steps a level, opens the File
# menu and quits, then stops Xvfb. Exits 77 (skipped) when Xvfb, xdotool or ImageMagick is not
# installed. Usage: window_on_x_server.sh FRAMEPLAN-GUI LISTING
set -euo pipefail
gui=$1
listing=$2

for tool in Xvfb xdotool import; do
    if ! command -v "$tool" > /dev/null; then
        echo "$tool is not installed, so the window is not tried on an X server"
        exit 77
    fi
done

work=$(mktemp -d)
xvfb_pid=
gui_pid=
stop() {
    if [[ -n $gui_pid ]] && kill -0 "$gui_pid" 2> /dev/null; then
        kill "$gui_pid"
    fi
    if [[ -n $xvfb_pid ]]; then
        kill "$xvfb_pid" 2> /dev/null || true
        wait "$xvfb_pid" 2> /dev/null || true
    fi
    rm -rf "$work"
}
trap stop EXIT

fail() {
    echo "window_on_x_server: $*" >&2
    [[ -f $work/gui.log ]] && sed 's/^/frameplan-gui: /' "$work/gui.log" >&2
    exit 1
}

# Waits up to 10 s for the command to succeed.
wait_for() {
    for _ in $(seq 100); do
        if "$@"; then
            return 0
        fi
        sleep 0.1
    done
    return 1
}

# Xvfb picks a free display itself and writes its number to descriptor 3.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3> "$work/display" 2> "$work/xvfb.log" &
xvfb_pid=$!
wait_for test -s "$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(head -n 1 "$work/display")"
# Settings and runtime files of the test's own, and Qt's X11 platform rather than offscreen.
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb
mkdir -m 700 "$work/runtime"
# Under AddressSanitizer: the X keyboard library hands strndup buffers shorter than the length it
# gives, which is sound C but fails the strict string checks of the sanitizer suite.
if [[ -n ${ASAN_OPTIONS:-} ]]; then
    export ASAN_OPTIONS="$ASAN_OPTIONS:strict_string_checks=0"
fi

"$gui" "$listing" > "$work/gui.log" 2>&1 &
gui_pid=$!
title="$(basename "$listing") — FramePlan"
window=
find_window() { window=$(xdotool search --onlyvisible --name "^$title\$" 2> /dev/null | head -n 1); [[ -n $window ]]; }
wait_for find_window || fail "no window titled \"$title\" appeared"
windows_of_program() { xdotool search --onlyvisible --pid "$gui_pid" 2> /dev/null | wc -l; }

# There is no window manager to give the focus; the plan has it inside the window.
xdotool windowfocus --sync "$window"
sleep 0.5
import -window "$window" "$work/before.png"
xdotool key Down
changed() { import -window "$window" "$work/after.png" && ! cmp -s "$work/before.png" "$work/after.png"; }
wait_for changed || fail "the Down key did not step to another level"

shown=$(windows_of_program)
xdotool key alt+f
menu_open() { (($(windows_of_program) > shown)); }
wait_for menu_open || fail "Alt+F did not open the File menu"
xdotool key Escape
menu_closed() { (($(windows_of_program) == shown)); }
wait_for menu_closed || fail "Escape did not close the File menu"
xdotool key Escape ctrl+q

ended() { ! kill -0 "$gui_pid" 2> /dev/null; }
wait_for ended || fail "Ctrl+Q did not end the program"
status=0
wait "$gui_pid" || status=$?
gui_pid=
((status == 0)) || fail "the program ended with status $status"
echo "The window opened $listing, stepped a level, opened the File menu and quit."
