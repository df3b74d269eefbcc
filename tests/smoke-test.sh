#!/bin/sh
# Starts the real program under a virtual X server, waits for its window and
# leaves through File > Exit as a user would; the settings written on the way
# out show the whole start-up and shutdown ran.
set -eu
program=$1
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export XDG_CONFIG_HOME="$home"

xvfb-run -a -s "-screen 0 1024x768x24" sh -c '
    "$1" &
    pid=$!
    window=$(xdotool search --sync --onlyvisible --name "^Vantorel Plane Editor$" | head -n 1)
    xdotool windowfocus --sync "$window" key --clearmodifiers alt+f
    sleep 1
    xdotool key x
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.2; done
    if kill -0 "$pid" 2>/dev/null; then echo "the editor did not close"; kill "$pid"; exit 1; fi
    wait "$pid"
' smoke "$program"

grep -q '^Display=0' "$home/VTEditor/VTEditor.ini" || { echo "no settings were written"; exit 1; }
echo "the editor started, showed its window and closed"
