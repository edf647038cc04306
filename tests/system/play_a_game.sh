#!/usr/bin/env bash
# The real program under Xvfb, played by hand: Game > New opens the start window, two names and
# the options are filled in, New hands over to the game window, X wins along the top row, the
# strike line shows and the board clears for the next match, and Game > Exit, answered No to
# the save prompt, ends the program. Screenshots of each step are kept.
#
#   play_a_game.sh <path-to-tesselby> <screenshot-dir>
set -euo pipefail

TEST_NAME=play_a_game
source "$(dirname "${BASH_SOURCE[0]}")/x_session.bash" "$@"

# The strike pictures are gold; nothing else on the board is.
GOLD='r > 0.85 && g > 0.55 && g < 0.9 && b < 0.45'
# The top row of the board, where its strike line lies.
top_row_area() { echo "215x$(( 1005 / TWIPS_PER_PIXEL ))+0+$(( $1 + 420 / TWIPS_PER_PIXEL ))"; }
gold_in() { count_pixels "$1" "$(top_row_area "$2")" "$GOLD"; }

strike_shows() { import -window "$1" "$snapshot" && (( $(gold_in "$snapshot" "$2") > 100 )); }
board_cleared() {
  import -window "$1" "$snapshot" && (( $(gold_in "$snapshot" "$2") == 0 )) &&
    [[ $(board_in "$snapshot" "$2") == "...|...|..." ]]
}

start_program
game=$(wait_for_window Tesselby)
game_top=$(client_top "$game" $NOT_READY_CLIENT)

# ---- Game > New: the start window takes over ----
press "$game" ctrl+n
start=$(wait_for_window "Kestrovan - Tesselby")
poll 3 "the game window stayed on the screen beside the start window" has_no_window Tesselby
fill_start_window "$start" Ann Bob OPTION1 OPTION4
sleep 0.2
shot "$start" play_a_game_1_start_filled

# ---- New in the start window: the game window comes back, ready to play ----
press "$start" ctrl+n
game=$(wait_for_window Tesselby)
poll 3 "the start window stayed on the screen after New" has_no_window "Kestrovan - Tesselby"
game_top=$(client_top "$game" $GAME_CLIENT)

# X and O take turns, X first: each click puts the mover's mark in that cell.
for move in 1:X 4:O 2:X 5:O; do
  cell=${move%:*} mark=${move#*:}
  click_cell "$game" "$game_top" "$cell"
  poll 3 "cell n$cell did not show $mark after the click" cell_shows "$game" "$game_top" "$cell" "$mark"
done
shot "$game" play_a_game_2_in_progress
board=$(board_in "$shots/play_a_game_2_in_progress.png" "$game_top")
[[ $board == "XX.|OO.|..." ]] || fail "the board in progress reads $board, expected XX.|OO.|..."

# ---- X completes the top row: the strike line shows, then the board clears ----
clicked_at=$(date +%s%N)
click_cell "$game" "$game_top" 3
poll 2 "no gold strike line across the top row after X's winning move" strike_shows "$game" "$game_top"
cp "$snapshot" "$shots/play_a_game_3_won.png"
board=$(board_in "$shots/play_a_game_3_won.png" "$game_top")
[[ $board == "XXX|OO.|..." ]] || fail "the won board reads $board, expected XXX|OO.|..."

poll 5 "the won board was not cleared for the next match" board_cleared "$game" "$game_top"
cleared_ms=$(( ($(date +%s%N) - clicked_at) / 1000000 ))
cp "$snapshot" "$shots/play_a_game_4_cleared.png"
# The pause before the next match is one second from the winning mark, never less.
(( cleared_ms >= 950 )) || fail "the won board was cleared only $cleared_ms ms after the winning click"

# ---- Game > Exit: the save prompt, answered No, and the program ends ----
press "$game" ctrl+e
prompt=$(wait_for_window "Save Game?")
shot "$prompt" play_a_game_5_save_prompt
press "$prompt" Escape
answered_at=$(date +%s%N)
poll 5 "the program was still running after Exit was answered No" program_ended
ended_ms=$(( ($(date +%s%N) - answered_at) / 1000000 ))
wait "$program" || fail "the program ended with exit status $?"
[[ ! -s $XDG_RUNTIME_DIR/program.err ]] || fail "the program printed: $(cat "$XDG_RUNTIME_DIR/program.err")"

echo "$TEST_NAME: X won, the board cleared $cleared_ms ms after the winning click, Exit ended the program in $ended_ms ms; screenshots in $shots"
