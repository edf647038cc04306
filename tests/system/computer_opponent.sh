#!/usr/bin/env bash
# The real program under Xvfb against the computer at Normal: after X's move the computer thinks
# for about two seconds and then puts one O on a free cell. Closing the game window with its
# close box in the middle of the game offers to save it; No ends the program.
#
#   computer_opponent.sh <path-to-tesselby> <screenshot-dir>
set -euo pipefail

TEST_NAME=computer_opponent
source "$(dirname "${BASH_SOURCE[0]}")/x_session.bash" "$@"

# The board: three rows of cells from 420 to 3555 twips down, across the whole window.
board_area() { echo "215x$(( (3555 - 420) / TWIPS_PER_PIXEL ))+0+$(( $1 + 420 / TWIPS_PER_PIXEL ))"; }
blue_on_board() { import -window "$1" "$snapshot" && (( $(count_pixels "$snapshot" "$(board_area "$2")" "$BLUE") > 100 )); }

start_program
game=$(wait_for_window Tesselby)
press "$game" ctrl+n
start=$(wait_for_window "Kestrovan - Tesselby")
# The levels are enabled once the computer is chosen.
fill_start_window "$start" Ann Cpu OPTION1 OPTION3 OPTION6
sleep 0.2
shot "$start" computer_opponent_1_start_filled
press "$start" ctrl+n
game=$(wait_for_window Tesselby)
game_top=$(client_top "$game" $GAME_CLIENT)

# X takes the centre; the computer answers after its thinking delay.
moved_at=$(date +%s%N)
click_cell "$game" "$game_top" 5
poll 3 "cell n5 did not show X after the click" cell_shows "$game" "$game_top" 5 X
shot "$game" computer_opponent_2_thinking
blue_on_board "$game" "$game_top" && fail "an O was on the board at once after X's move"
poll 6 "the computer put no O on the board after X's move" blue_on_board "$game" "$game_top"
answered_ms=$(( ($(date +%s%N) - moved_at) / 1000000 ))
cp "$snapshot" "$shots/computer_opponent_3_answered.png"
# Two seconds of thinking from X's mark; a loaded machine may add to it, never take from it.
(( answered_ms >= 1900 && answered_ms <= 6000 )) ||
  fail "the computer answered $answered_ms ms after X's move, expected about 2000"
board=$(board_in "$snapshot" "$game_top")
[[ $board == *O* && ${board//[^O]/} == O && ${board//[^X]/} == X && ${board:5:1} == X ]] ||
  fail "after the computer's move the board reads $board, expected X in the centre and one O"

# The close box in the middle of a game: the save prompt, answered No, and the program ends.
close_box "$game"
prompt=$(wait_for_window "Save Game?")
shot "$prompt" computer_opponent_4_save_prompt
press "$prompt" Escape
poll 5 "the program was still running after the save prompt was answered No" program_ended
wait "$program" || fail "the program ended with exit status $?"
[[ ! -s $XDG_RUNTIME_DIR/program.err ]] || fail "the program printed: $(cat "$XDG_RUNTIME_DIR/program.err")"

echo "$TEST_NAME: the computer answered X's centre after $answered_ms ms with $board; screenshots in $shots"
