#!/usr/bin/env bash
# Starts the real program from a copy of its program folder, as a user would:
# offscreen first, then on a virtual X display where its windows are found and
# answered with real key presses.
set -euo pipefail

program=$1
source_folder=$(dirname "$program")
work=$(mktemp -d)
started=()
cleanup() {
    for p in "${started[@]}"; do kill -KILL "$p" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

fresh_folder() {
    rm -rf "$work/app"
    mkdir -p "$work/app"
    cp "$program" "$work/app/"
    cp -r "$source_folder/MKData" "$source_folder/MKLesson" "$work/app/"
    rm -f "$work/app/MKLesson/MKOK"
}

# Waits until a window titled Marokey is mapped; prints its id.
wait_window() {
    for _ in $(seq 100); do
        if id=$(xdotool search --onlyvisible --name '^Marokey$' 2>/dev/null | tail -n 1) &&
            [[ -n "$id" ]]; then
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    return 1
}

press() { # window key
    xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1"
    xdotool key "$2"
}

offscreen_start() {
    # Marker in place: starts quietly and ends on a termination request.
    fresh_folder
    printf '2.2\r\n' >"$work/app/MKLesson/MKOK"
    QT_QPA_PLATFORM=offscreen "$work/app/marokey" &
    local pid=$!
    started+=("$pid")
    sleep 2
    kill -0 "$pid" 2>/dev/null || fail "the program did not stay up offscreen"
    kill -TERM "$pid"
    wait "$pid" || fail "offscreen run ended with status $?"
    echo "offscreen start: ok"
}

first_start() {
    # No marker: the pack is unpacked, the user is told, then the start-up window shows.
    fresh_folder
    "$work/app/marokey" &
    local pid=$!
    started+=("$pid")
    local box
    box=$(wait_window) || fail "no unpack message appeared"
    [[ -f "$work/app/MKLesson/MKOK" ]] || fail "no marker after unpacking"
    press "$box" Return
    sleep 0.5
    wait_window >/dev/null || fail "no start-up window appeared"
    kill -0 "$pid" 2>/dev/null || fail "the program ended after the unpack message"
    kill -TERM "$pid"
    wait "$pid" || fail "first start ended with status $?"
    echo "first start on a display: ok"
}

damaged_start() {
    # A damaged folder file: one message, then the program ends by itself.
    fresh_folder
    printf '"only one"' >"$work/app/MKData/Path.dat"
    "$work/app/marokey" &
    local pid=$!
    started+=("$pid")
    local box
    box=$(wait_window) || fail "no message for a damaged Path.dat"
    press "$box" Return
    local status=0
    for _ in $(seq 50); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$pid" 2>/dev/null && { kill -KILL "$pid"; fail "the program did not end"; }
    wait "$pid" || status=$?
    [[ $status -ne 0 ]] || fail "a forced end reported success"
    echo "damaged start on a display: ok"
}

if [[ -z "${MK_SMOKE_ON_DISPLAY:-}" ]]; then
    offscreen_start
    MK_SMOKE_ON_DISPLAY=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi
# The display runs must use the display, whatever the test environment says.
unset QT_QPA_PLATFORM
first_start
damaged_start
