#!/usr/bin/env bash
# The birth-date wizard on a real display, at the fast speed: it floats see-through over the
# desktop, takes clicks and typed text (Cyrillic included), refuses what its lists do not offer,
# goes back a step with its arrow and hands over to the main window.
source "$(dirname "$0")/lib.sh"
start_display

shape_is() { [[ "$(window_shape "$WIZARD")" =~ $1 ]]; }
wait_for_shape() {
    wait_until 10 shape_is "$1" || fail "the wizard's shape is $(window_shape "$WIZARD"), not $1"
}

make_program_dir '1\r\n3\r\n'
start_orlenta
WIZARD=$(wait_for_size 464x388 10) || fail "the wizard did not appear"
wait_while 10 window_of_size 817x578 || fail "the main window stays beside the wizard"
window_origin "$WIZARD"
[ "$OX" -eq 408 ] && [ "$OY" -eq 318 ] || fail "the wizard is at $OX,$OY, not in the middle"

# No compositor blends a translucent window here: the shape alone makes the desktop show.
xwininfo -id "$WIZARD" | grep -q 'Depth: 24' || fail "the wizard wants a compositor"
# The greeting shows the speech bubble alone: the rest of the window is desktop.
wait_for_shape '^237x143\+3\+15$'
click_at "$WIZARD" 112 148
# Bubble and page frame together: the year step.
wait_for_shape "$WIZARD_STEP_SHAPE"

replace_text "$WIZARD" 100 90 ' 1985'
click_at "$WIZARD" 112 124 # refused: a leading space
replace_text "$WIZARD" 100 90 '1985'
next_step "$WIZARD" 112 124

replace_text "$WIZARD" 100 90 'Январь'
click_at "$WIZARD" 112 124 # refused: a capital
replace_text "$WIZARD" 100 90 'февраль'
next_step "$WIZARD" 112 124

replace_text "$WIZARD" 100 90 '30'
click_at "$WIZARD" 112 124 # refused: February has no 30th
# Back to the month; January has a 30th, and the day box keeps its text.
point_at "$WIZARD" 24 86
next_step "$WIZARD" 25 87
replace_text "$WIZARD" 100 90 'январь'
next_step "$WIZARD" 112 124
wait_for_shape "$WIZARD_STEP_SHAPE"
click_at "$WIZARD" 100 90
press_key_in "$WIZARD" Return

wait_for_size 817x578 10 >/dev/null || fail "the main window did not come back"
! window_of_size 464x388 >/dev/null || fail "the wizard stays on screen"
echo "wizard: passed"
