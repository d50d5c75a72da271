#!/bin/sh
# Plays the game under weston nested in Xvfb, where xdotool moves a real
# pointer and types on a real keyboard, and checks what a player sees: a
# balloon's pointer touches the point it is meant to, the balloon follows
# the pointer where it is dragged, it keeps the keyboard when the window
# under it is clicked, a message box is centred over the window, and the
# puzzle list closes when the pointer leaves the window.
# Exits 77 (skipped) where Xvfb, weston or xdotool is missing, or Qt cannot
# run on Wayland.
set -eu
probe="$1"
collection="$2"
skip=77
for tool in Xvfb weston weston-screenshooter xdotool; do
    command -v "$tool" >/dev/null 2>&1 || { echo "no $tool: skipped"; exit $skip; }
done

dir=$(mktemp -d)
chmod 700 "$dir"
pids=""
cleanup() {
    # The probe first, then weston, then Xvfb.
    for pid in $pids; do kill "$pid" 2>/dev/null || true; done
    for pid in $pids; do wait "$pid" 2>/dev/null || true; done
    rm -rf "$dir"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

fail() {
    echo "FAIL: $*" >&2
    cat "$dir/probe.out" "$dir/probe.err" >&2 2>/dev/null || true
    exit 1
}

# Waits up to 5 s for a file to hold something.
await_file() {
    i=0
    while [ ! -s "$1" ]; do
        i=$((i + 1))
        [ "$i" -le 50 ] || fail "$2"
        sleep 0.1
    done
}

# Waits up to 5 s for the probe's line starting with $1 and prints it; the
# probe's own exit ends the wait, with its status when it skipped.
await() {
    i=0
    while ! grep -q "^$1" "$dir/probe.out"; do
        if ! kill -0 "$probe_pid" 2>/dev/null; then
            status=0
            wait "$probe_pid" || status=$?
            [ "$status" != "$skip" ] || { echo "no Qt on Wayland: skipped"; exit $skip; }
            fail "the probe ended ($status) before \"$1\""
        fi
        i=$((i + 1))
        [ "$i" -le 50 ] || fail "no \"$1\" from the probe"
        sleep 0.1
    done
    grep "^$1" "$dir/probe.out" | head -n 1
}

# The compositor's whole screen, as $dir/$1.png.
screenshot() {
    (cd "$dir" && weston-screenshooter) || fail "no screenshot"
    mv "$dir"/wayland-screenshot*.png "$dir/$1.png"
}

inspect() {
    QT_QPA_PLATFORM=offscreen "$probe" "$@"
}

# Reads fresh screenshots, $dir/$1.png, with the probe (the rest of the
# arguments, then the file) until it succeeds, as the compositor may take
# a moment to show a change.
read_screen() {
    name=$1
    shift
    for attempt in 1 2 3 4 5; do
        sleep 0.4
        screenshot "$name"
        inspect "$@" "$dir/$name.png" && return 0
    done
    return 1
}

# Xvfb takes a free display and names it once it is ready. The compositor's
# window is the only one there, so its pixels are the screen's from 0, 0.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$dir/display" 2>"$dir/xvfb.log" &
pids="$!"
await_file "$dir/display" "Xvfb did not start"
export DISPLAY=":$(cat "$dir/display")"
export XDG_RUNTIME_DIR="$dir"
export WAYLAND_DISPLAY=wayland-flintora-test
# --debug lets weston-screenshooter take the screen.
weston --backend=x11-backend.so --use-pixman --idle-time=0 --socket="$WAYLAND_DISPLAY" \
    --width=1024 --height=768 --debug >"$dir/weston.log" 2>&1 &
pids="$! $pids"
i=0
until [ -S "$dir/$WAYLAND_DISPLAY" ]; do
    i=$((i + 1))
    [ "$i" -le 50 ] || fail "weston did not start"
    sleep 0.1
done

cp "$collection" "$dir/Kindlet.ini"
: >"$dir/probe.out"
QT_QPA_PLATFORM="wayland;offscreen" "$probe" show "$dir/Kindlet.ini" \
    >"$dir/probe.out" 2>"$dir/probe.err" &
probe_pid=$!
pids="$probe_pid $pids"
line=$(await plan) || exit 1
set -- $line
click_x=$3 click_y=$4 tip_x=$6 tip_y=$7 title_x=$9 title_y=${10} delete_x=${12} delete_y=${13}

# The window lies where the compositor chose, over the screen's middle; a
# point of the pointer's in both coordinates gives its place.
i=0
until grep -q '^pointer' "$dir/probe.out"; do
    i=$((i + 1))
    [ "$i" -le 10 ] || fail "the pointer never came over the window"
    # Coming in from outside: weston follows the pointer from its entry on.
    xdotool mousemove 1200 1000 sleep 0.1 mousemove 500 370 sleep 0.1 mousemove 512 384 sleep 0.2
done
set -- $(grep '^pointer' "$dir/probe.out" | tail -n 1)
left=$((512 - $2)) top=$((384 - $3))

xdotool mousemove $((left + click_x)) $((top + click_y)) click 1
await balloon >/dev/null || exit 1
want_x=$((left + tip_x)) want_y=$((top + tip_y))
read_screen pointing tip $want_x $want_y || fail "the pointer's tip is not at $want_x $want_y"

# How far the balloon's body lies from where it was, in the screenshot
# $1.png, once it is $2 (retried while the compositor catches up).
body_moved() {
    for attempt in 1 2 3 4 5; do
        sleep 0.4
        screenshot "$1"
        box=$(inspect box "$dir/$1.png") || continue
        set -- "$1" "$2" $box
        echo "$(($4 - body_x)) $(($7 - body_bottom))"
        [ "$(($4 - body_x)) $(($7 - body_bottom))" != "$2" ] || break
    done | tail -n 1
}

# Dragged by its body, the balloon follows the pointer, without its
# pointer: its body's left and bottom edges move with the pointer.
set -- $(inspect box "$dir/pointing.png")
body_x=$2 body_bottom=$5
xdotool mousemove $((want_x + 60)) $((want_y + 60)) mousedown 1 \
    mousemove $((want_x + 100)) $((want_y + 80)) sleep 0.1 \
    mousemove $((want_x + 120)) $((want_y + 90))
moved=$(body_moved dragging "60 30")
[ "$moved" = "60 30" ] || fail "while dragged the balloon moved by $moved, not by 60 30"
xdotool mousemove $((want_x + 180)) $((want_y + 120)) sleep 0.1 mouseup 1
moved=$(body_moved dragged "120 60")
[ "$moved" = "120 60" ] || fail "the balloon was dropped $moved away, not 120 60"

# A click on the window under it leaves the keyboard with the balloon.
xdotool mousemove $((left + click_x)) $((top + click_y)) click 1 sleep 0.3 key Escape
await answered >/dev/null || exit 1

# Delete asks first in a message box centred over the window (within a
# pixel, as halves round); Escape answers No.
await chosen >/dev/null || exit 1
xdotool mousemove $((left + delete_x)) $((top + delete_y)) click 1
line=$(await message) || exit 1
set -- $line
centre_x=$((2 * left + $2)) centre_y=$((2 * top + $3))
off="no box"
for attempt in 1 2 3 4 5; do
    sleep 0.4
    screenshot message
    box=$(inspect box "$dir/message.png") || continue
    set -- $box
    dx=$(($2 + $4 + 1 - centre_x)) dy=$(($3 + $5 + 1 - centre_y))
    off="$dx $dy"
    [ "${dx#-}" -gt 2 ] || [ "${dy#-}" -gt 2 ] || { off=""; break; }
done
[ -z "$off" ] || fail "the message box's centre is off the window's by $off half pixels"
xdotool key Escape
await "message closed" >/dev/null || exit 1

xdotool mousemove $((left + title_x - 5)) $((top + title_y)) sleep 0.2 \
    mousemove $((left + title_x)) $((top + title_y))
await dropped >/dev/null || exit 1
# Straight from the title onto the compositor's panel, a leave and no move.
xdotool mousemove 700 10
await closed >/dev/null || exit 1
echo "pass"
