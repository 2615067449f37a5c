#!/usr/bin/env bash
# A screen at twice the pixels: the wizard's see-through shape is the 1x one doubled at the
# greeting and at the year step, the desktop shows where the design is see-through, and the tool
# pictures are drawn at 2x, not enlarged from 1x. A netbook's screen, too small for the main window
# and a title bar, keeps 1x, the smallest scale Qt draws whole, with the main window on screen.
SCREEN=2560x2048
source "$(dirname "$0")/lib.sh"
start_display
xsetroot -solid '#336699'

shape_of() { window_shape "$WIZARD"; }
# doubled WxH+X+Y -> every figure times two
doubled() { sed 's/[0-9]\+/$((2*&))/g; s/.*/echo "&"/e' <<<"$1"; }
# near WxH+X+Y WxH+X+Y: the same but for a pixel each way, as fine outlines at 2x may give
near() {
    paste <(grep -o '[0-9]\+' <<<"$1") <(grep -o '[0-9]\+' <<<"$2") |
        awk '{ d = $1 - $2; if (d > 1 || d < -1) bad = 1 } END { exit bad }'
}
# detail FILE -> how much the picture holds below a 2x2 block: none for one enlarged from 1x
detail() {
    convert "$1" -scale 50% -scale 200% "$TMPDIR/blocks.png"
    { compare -metric RMSE "$1" "$TMPDIR/blocks.png" null: 2>&1 || true; } | sed 's/.*(\(.*\))/\1/'
}

# run SCALE: the greeting's and the year step's shapes in GREETING and YEAR_STEP, and the caption
# of the about tool's picture once the question shows in TOOL.
run() {
    local s=$1 greeting
    export QT_SCALE_FACTOR=$s
    make_program_dir '1\r\n3\r\n'
    start_orlenta
    WIZARD=$(wait_for_size $((464 * s))x$((388 * s)) 10) || fail "no wizard at scale $s"
    wait_until 10 [ -n "$(shape_of)" ] || fail "the wizard has no shape at scale $s"
    sleep 0.5
    GREETING=$(shape_of)
    if [ "$s" = 2 ]; then
        # Nothing is drawn below the bubble at the greeting.
        [ "$(pixel_at "$WIZARD" 700 600)" = 336699 ] || fail "no desktop below the greeting"
        # The bubble's outline is finer than the window's pixels; no key green shows beside it.
        capture "$WIZARD" 0 0 928 776 "$TMPDIR/greeting.png"
        [ "$(convert "$TMPDIR/greeting.png" -fill black +opaque '#008000' -fill white -opaque '#008000' \
            -format '%[fx:int(mean*w*h+0.5)]' info:)" = 0 ] || fail "key green shows beside the bubble"
    fi
    greeting=$GREETING
    click_at "$WIZARD" $((112 * s)) $((148 * s))
    wait_until 10 [ "$(shape_of)" != "$greeting" ] || fail "the wizard stays at the greeting"
    sleep 1 # the page turns to its last frame
    YEAR_STEP=$(shape_of)
    for _ in year month day; do
        click_at "$WIZARD" $((112 * s)) $((124 * s))
        sleep 1
    done
    MAIN=$(wait_for_size $((817 * s))x$((578 * s)) 10) || fail "no main window at scale $s"
    sleep 2 # the intro runs to the question
    TOOL="$TMPDIR/tool$s.png"
    capture "$MAIN" $((392 * s)) $((56 * s)) $((69 * s)) $((16 * s)) "$TOOL"
    stop_orlenta
}

run 1
one_greeting=$GREETING one_year=$YEAR_STEP one_tool=$TOOL
run 2
near "$GREETING" "$(doubled "$one_greeting")" ||
    fail "the greeting's shape is $GREETING, not $(doubled "$one_greeting")"
near "$YEAR_STEP" "$(doubled "$one_year")" ||
    fail "the year step's shape is $YEAR_STEP, not $(doubled "$one_year")"

convert "$one_tool" -resize 200% "$TMPDIR/enlarged.png"
sharp=$(detail "$TOOL") soft=$(detail "$TMPDIR/enlarged.png")
awk -v sharp="$sharp" -v soft="$soft" 'BEGIN { exit !(sharp > 2 * soft) }' ||
    fail "the tool caption at 2x holds no more detail ($sharp) than one enlarged from 1x ($soft)"

kill "$XVFB_PID" && wait "$XVFB_PID" 2>/dev/null || true
SCREEN=1024x600 start_display
unset QT_SCALE_FACTOR
make_program_dir '1\r\n3\r\n'
start_orlenta
MAIN=$(walk_wizard) # at 1x, or no wizard of 464x388 comes
window_origin "$MAIN"
[ "$OX" -ge 0 ] && [ "$OY" -ge 0 ] && [ $((OY + 578)) -le 600 ] ||
    fail "the main window stands at $OX,$OY on a 1024x600 screen"
echo "hidpi: passed"
