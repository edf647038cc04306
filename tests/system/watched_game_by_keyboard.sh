#!/usr/bin/env bash
# The real program under Xvfb, driven exactly as the README tells a player to watch a game: Game >
# New, both names, Computer, who goes first, then Shift+Tab in the X's name box reaches the Watch
# button below the start window's visible edge, and Space starts the watched game; the computer's
# marks for both sides appear on the board. With TESSELBY_WM=openbox it runs under that window
# manager (see watched_game_by_keyboard_under_openbox.sh).
#
#   watched_game_by_keyboard.sh <path-to-tesselby> <screenshot-dir>
set -euo pipefail

WINDOW_MANAGER=${TESSELBY_WM:-}
TEST_NAME=watched_game_by_keyboard${WINDOW_MANAGER:+_under_$WINDOW_MANAGER}
source "$(dirname "${BASH_SOURCE[0]}")/x_session.bash" "$@"

start_program
game=$(wait_for_window Tesselby)

# Game > New, from the menu bar: the Game menu is the first title in the bar above the client.
game_top=$(client_top "$game" $NOT_READY_CLIENT)
focus "$game"
xdotool mousemove --window "$game" 15 $(( game_top / 2 )) click 1
sleep 0.3
xdotool key --delay 80 Down Return
start=$(wait_for_window "Kestrovan - Tesselby")
start_top=$(client_top "$start" $START_CLIENT)

# Both names, Computer, then X to go first.
fill_start_window "$start" Ann Bob OPTION3 OPTION1
# The X's name box: Shift+Tab from there goes backwards round to the last control, Watch.
click_control "$start" "$start_top" 480 360 2895 285
shot "$start" "${TEST_NAME}_1_filled"
press "$start" shift+Tab
press "$start" space

game=$(wait_for_window Tesselby)
poll 5 "the start window stayed on the screen after Shift+Tab and Space" \
  has_no_window "Kestrovan - Tesselby"
game_top=$(client_top "$game" $GAME_CLIENT)
board_has_both_marks() {
  import -window "$game" "$snapshot" &&
    [[ $(board_in "$snapshot" "$game_top") == *X* && $(board_in "$snapshot" "$game_top") == *O* ]]
}
poll 15 "the computer put no X and O on the board: the watched game did not start" \
  board_has_both_marks
cp "$snapshot" "$shots/${TEST_NAME}_2_playing.png"
program_running || fail "the program ended during the watched game"
[[ ! -s $XDG_RUNTIME_DIR/program.err ]] || fail "the program printed: $(cat "$XDG_RUNTIME_DIR/program.err")"

echo "$TEST_NAME: the watched game plays: $(board_in "$snapshot" "$game_top"); screenshots in $shots"
