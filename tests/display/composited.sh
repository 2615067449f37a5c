#!/usr/bin/env bash
# The wizard on an X11 desktop with a compositing manager, at 1x and 2x: it is drawn translucent,
# so the desktop shows exactly where its design is see-through, at the greeting and at the year
# step, with no key green anywhere, the outline at 2x as fine as the screen's pixels, and the pointer
# still reaches only what is drawn.
source "$(dirname "$0")/lib.sh"
command -v xcompmgr >/dev/null || fail "xcompmgr is missing: run scripts/install-deps.sh"
SCREEN=2560x2048
start_display
xcompmgr >/dev/null 2>&1 &
COMPOSITOR_PID=$!
trap 'kill $COMPOSITOR_PID 2>/dev/null; cleanup' EXIT
sleep 1 # it claims the screen's compositing selection, which the program asks for
kill -0 $COMPOSITOR_PID || fail "xcompmgr did not start"

# see_through WHERE SCALE: the desktop (as the compositor paints it in a corner of the screen) at
# keyed pixels of the wizard, and the key nowhere.
see_through() {
    local at shot="$TMPDIR/composited.png" desktop
    desktop=$(import -window root -crop 1x1+5+5 -depth 8 txt:- | sed -n 's/.*#\([0-9A-F]\{6\}\).*/\1/p')
    case $desktop in 000000 | 008000 | "") fail "the desktop shows $desktop" ;; esac
    for at in "400 30" "2 2" "300 10"; do
        set -- "$1" "$2" $at
        [ "$(pixel_at "$WIZARD" $(($3 * $2)) $(($4 * $2)))" = "$desktop" ] ||
            fail "$1 at $2x: not the desktop at $3,$4"
    done
    capture "$WIZARD" 0 0 $((464 * $2)) $((388 * $2)) "$shot"
    [ "$(convert "$shot" -fill black +opaque '#008000' -fill white -opaque '#008000' \
        -format '%[fx:int(mean*w*h+0.5)]' info:)" = 0 ] || fail "$1 at $2x: key green shows"
}

# takes_pointer X Y: whether the wizard is the window under the pointer there.
takes_pointer() {
    xdotool mousemove --window "$WIZARD" "$1" "$2"
    [ "$(xdotool getmouselocation --shell | sed -n 's/^WINDOW=//p')" = "$WIZARD" ]
}

# crisp_outline: at 2x the rounded corner of the greeting's bubble follows the screen's pixels, not
# the window's: where the desktop shows is not made of 2x2 blocks.
crisp_outline() {
    local desktop differing
    desktop=$(import -window root -crop 1x1+5+5 -depth 8 txt:- | sed -n 's/.*#\([0-9A-F]\{6\}\).*/\1/p')
    capture "$WIZARD" 6 30 40 40 "$TMPDIR/corner.png"
    convert "$TMPDIR/corner.png" -fill black +opaque "#$desktop" -fill white -opaque "#$desktop" \
        "$TMPDIR/desktop.png"
    convert "$TMPDIR/desktop.png" -sample 50% -sample 200% "$TMPDIR/blocks.png"
    differing=$(compare -metric AE "$TMPDIR/desktop.png" "$TMPDIR/blocks.png" null: 2>&1 || true)
    [ "${differing%% *}" != 0 ] || fail "the bubble's outline at 2x is cut in steps of 2 pixels"
}

for s in 1 2; do
    export QT_SCALE_FACTOR=$s
    make_program_dir '1\r\n3\r\n'
    start_orlenta
    WIZARD=$(wait_for_size $((464 * s))x$((388 * s)) 10) || fail "no wizard at $s"
    xwininfo -id "$WIZARD" | grep -q 'Depth: 32' || fail "the wizard is not translucent at $s"
    wait_until 10 fails takes_pointer $((400 * s)) $((30 * s)) ||
        fail "the wizard takes the pointer where it is see-through at $s"
    takes_pointer $((100 * s)) $((60 * s)) || fail "the bubble does not take the pointer at $s"
    sleep 0.5
    see_through greeting $s
    [ "$s" = 1 ] || crisp_outline
    click_at "$WIZARD" $((112 * s)) $((148 * s))
    page_shown() { [ "$(pixel_at "$WIZARD" $((300 * s)) $((250 * s)))" != "$(pixel_at "$WIZARD" 2 2)" ]; }
    wait_until 10 page_shown || fail "the page did not turn at $s"
    sleep 1 # to the year step
    see_through "year step" $s
    stop_orlenta
done
echo "composited: passed"
