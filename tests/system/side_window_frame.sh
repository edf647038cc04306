#!/usr/bin/env bash
# The real program under Xvfb with a window manager (openbox): the about window, a dialog frame
# without a title bar, gets a thin border from the window manager and no title bar, draws no
# second line of its own inside it, and stays out of the task bar. A screenshot is kept.
#
#   side_window_frame.sh <path-to-tesselby> <screenshot-dir>
set -euo pipefail

TEST_NAME=side_window_frame
WINDOW_MANAGER=openbox
source "$(dirname "${BASH_SOURCE[0]}")/x_session.bash" "$@"

# The about window's client area: 5760 x 3090 twips.
ABOUT_WIDTH=384
ABOUT_HEIGHT=206

# about_window: the id of the program's visible window of the about window's size.
about_window() {
  local id
  for id in $(xdotool search --onlyvisible --class tesselby 2>/dev/null); do
    if xwininfo -id "$id" | grep -q "Width: $ABOUT_WIDTH\$" &&
       xwininfo -id "$id" | grep -q "Height: $ABOUT_HEIGHT\$"; then
      echo "$id"
      return 0
    fi
  done
  return 1
}
about_is_open() { about_window >/dev/null; }
# The window manager has taken the window into its frame once it says how wide that frame is.
framed() { xprop -id "$1" _NET_FRAME_EXTENTS | grep -q '= '; }

start_program
game=$(wait_for_window Tesselby)
press "$game" F1  # Help > About
poll 10 "the about window to open" about_is_open
about=$(about_window)
poll 10 "the window manager to frame the about window" framed "$about"

# left, right, top, bottom: one thin border all round, no title bar above.
read -r left right top bottom < <(xprop -id "$about" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
(( left >= 1 && left <= 4 )) || fail "the about window's border is $left pixels wide, expected a thin one"
[[ "$right $top $bottom" == "$left $left $left" ]] ||
  fail "the about window's frame is $left, $right, $top, $bottom (left, right, top, bottom): a title bar or no even border"

xprop -id "$about" _NET_WM_STATE | grep -q _NET_WM_STATE_SKIP_TASKBAR ||
  fail "the about window is not kept out of the task bar: $(xprop -id "$about" _NET_WM_STATE)"

# On the screen: the border all round the window, and inside it the window's own background
# right to its edge, with no second frame line.
read -r x y < <(xwininfo -id "$about" | awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF } END { print x, y }')
FRAME='r > 0.1 && r < 0.8'  # neither the black screen behind nor the pale background
BACKGROUND='r > 0.88 && g > 0.88 && b > 0.88'
# ring_count X Y W H CONDITION: pixels of the one-pixel ring of the W x H box at X,Y on the
# latest screenshot that meet CONDITION.
ring_count() {
  local x=$1 y=$2 w=$3 h=$4 condition=$5
  echo $(( $(count_pixels "$snapshot" "${w}x1+$x+$y" "$condition") +
           $(count_pixels "$snapshot" "${w}x1+$x+$(( y + h - 1 ))" "$condition") +
           $(count_pixels "$snapshot" "1x$(( h - 2 ))+$x+$(( y + 1 ))" "$condition") +
           $(count_pixels "$snapshot" "1x$(( h - 2 ))+$(( x + w - 1 ))+$(( y + 1 ))" "$condition") ))
}
framed_on_screen() {
  import -window root "$snapshot" || return 1
  local border edge
  border=$(ring_count $(( x - 1 )) $(( y - 1 )) $(( ABOUT_WIDTH + 2 )) $(( ABOUT_HEIGHT + 2 )) "$FRAME")
  edge=$(ring_count "$x" "$y" $ABOUT_WIDTH $ABOUT_HEIGHT "$BACKGROUND")
  (( border == 2 * (ABOUT_WIDTH + 2) + 2 * ABOUT_HEIGHT && edge == 2 * ABOUT_WIDTH + 2 * (ABOUT_HEIGHT - 2) ))
}
poll 5 "a border around the about window on the screen and its background right to its edge" framed_on_screen

convert "$snapshot" -crop "$(( ABOUT_WIDTH + 20 ))x$(( ABOUT_HEIGHT + 20 ))+$(( x - 10 ))+$(( y - 10 ))" +repage \
  "$shots/about_window_framed.png"
echo "side_window_frame: border $left, $right, $top, $bottom; screenshot in $shots"
