#!/bin/sh
# The real program as a user starts it, on a virtual X server: until its first
# frame, then with a plane file named on the command line. A file it
# refuses brings a message that Enter closes, leaving the main window; File >
# Exit then leaves, and only a file that opened moves DefaultDir, in the
# settings written on the way out, to the file's folder.
#   smoke-test.sh PROGRAM
set -eu
program=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "$*"; exit 1; }

# The benchmark's hook: the first frame drawn, the program leaves by itself.
painted=$(XDG_CONFIG_HOME="$work/config-paint" VTEDITOR_EXIT_AFTER_FIRST_PAINT=1 \
    timeout 30 xvfb-run -a -s "-screen 0 1024x768x24" "$program") || fail "the first-paint hook did not end the program"
[ "$painted" = "first paint" ] || fail "the first-paint hook printed: $painted"

head -c 204 /dev/zero >"$work/good"
head -c 203 /dev/zero >"$work/short"
head -c 205 /dev/zero >"$work/long"
for file in good short long missing; do
    export XDG_CONFIG_HOME="$work/config-$file"
    xvfb-run -a -s "-screen 0 1024x768x24" sh -c '
        find() { timeout 20 xdotool search --sync --onlyvisible --name "$1" | head -n 1; }
        "$1" "$2" 2>"$4" &
        pid=$!
        window=$(find "^Vantorel Plane Editor$")
        if [ "$3" != good ]; then
            xdotool windowfocus --sync "$(find "^VTEditor$")" key --clearmodifiers Return
            sleep 1
            xdotool search --onlyvisible --name "^Vantorel Plane Editor$" >/dev/null || exit 1
        fi
        xdotool windowfocus --sync "$window" key --clearmodifiers alt+f
        sleep 1
        xdotool key x
        for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.2; done
        kill -0 "$pid" 2>/dev/null && { kill "$pid"; exit 1; }
        wait "$pid"
    ' smoke "$program" "$work/$file" "$file" "$work/errors" || fail "$file: the editor did not start, show its window and close"
    ! grep "VTEditor:" "$work/errors" || fail "$file: the editor complained on the way out"
    folder='C:'
    [ "$file" = good ] && folder="$work/"
    grep -q "^DefaultDir=$folder" "$XDG_CONFIG_HOME/VTEditor/VTEditor.ini" || fail "$file: DefaultDir is not $folder"
done
echo "the editor drew its first frame, started with each file, and closed"
