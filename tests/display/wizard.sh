#!/usr/bin/env bash
# The birth-date wizard on a real display, at the fast speed: it floats see-through over the
# desktop, takes clicks and typed text (Cyrillic included), refuses what its lists do not offer,
# goes back a step with its arrow and hands over to the main window.
source "$(dirname "$0")/lib.sh"
start_display

# window_of_size WxH -> the visible window of that size
window_of_size() {
    local id
    for id in $(xdotool search --onlyvisible --class '^orlenta$' 2>/dev/null); do
        xdotool getwindowgeometry "$id" 2>/dev/null | grep -q "Geometry: $1\$" && {
            echo "$id"
            return 0
        }
    done
    return 1
}

wait_for_size() {
    local size=$1 seconds=${2:-10} id
    for _ in $(seq $((seconds * 20))); do
        id=$(window_of_size "$size") && { echo "$id"; return 0; }
        sleep 0.05
    done
    return 1
}

# The part of the wizard that is not see-through, as WxH+X+Y.
shape() {
    xwininfo -shape -id "$WIZARD" | sed -n 's/.*Window shape extents: *//p'
}

# wait_for_shape REGEX [SECONDS]
wait_for_shape() {
    for _ in $(seq $((${2:-10} * 20))); do
        [[ "$(shape)" =~ $1 ]] && return 0
        sleep 0.05
    done
    fail "the wizard's shape is $(shape), not $1"
}

click_at() {
    xdotool mousemove $((WX + $1)) $((WY + $2)) click 1
    sleep 0.2
}

# enter_text X Y TEXT: replaces the text of the list box at X,Y.
enter_text() {
    click_at "$1" "$2"
    xdotool key ctrl+a
    xdotool type --delay 20 "$3"
    sleep 0.2
}

# Transitions run three ticks of 50 ms at the most; this leaves them ample time.
settle() { sleep 1; }

make_program_dir '1\r\n3\r\n'
start_orlenta
WIZARD=$(wait_for_size 464x388 10) || fail "the wizard did not appear"
for _ in $(seq 200); do
    window_of_size 817x578 >/dev/null || break
    sleep 0.05
done
window_of_size 817x578 >/dev/null && fail "the main window stays beside the wizard"
read -r WX WY < <(xdotool getwindowgeometry "$WIZARD" | sed -n 's/ *Position: \([0-9]*\),\([0-9]*\).*/\1 \2/p')
[ "$WX" -eq 408 ] && [ "$WY" -eq 318 ] || fail "the wizard is at $WX,$WY, not in the middle"

# The greeting shows the speech bubble alone: the rest of the window is desktop.
wait_for_shape '^237x143\+3\+15$'
click_at 112 148
# Bubble and page frame together: the year step.
wait_for_shape '^464x37[0-9]\+0\+15$'

enter_text 100 90 ' 1985'
click_at 112 124 # refused: a leading space
enter_text 100 90 '1985'
click_at 112 124
settle

enter_text 100 90 'Январь'
click_at 112 124 # refused: a capital
enter_text 100 90 'февраль'
click_at 112 124
settle

enter_text 100 90 '30'
click_at 112 124 # refused: February has no 30th
# Back to the month; January has a 30th, and the day box keeps its text.
xdotool mousemove $((WX + 24)) $((WY + 86))
sleep 0.2
click_at 25 87
settle
enter_text 100 90 'январь'
click_at 112 124
settle
wait_for_shape '^464x37[0-9]\+0\+15$'
click_at 100 90
xdotool key Return

wait_for_size 817x578 10 >/dev/null || fail "the main window did not come back"
window_of_size 464x388 >/dev/null && fail "the wizard stays on screen"
echo "wizard: passed"
