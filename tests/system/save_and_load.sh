#!/usr/bin/env bash
# The real program under Xvfb: a game between two humans is saved through Qt's save dialog as a
# 16-line CR LF file, the window is closed with its close box, and a new run loads the file
# through the open dialog: the board comes back mark for mark, play goes on from it, and Exit
# answered No leaves the file as it was. Screenshots of each step are kept.
#
#   save_and_load.sh <path-to-tesselby> <screenshot-dir>
set -euo pipefail

TEST_NAME=save_and_load
source "$(dirname "${BASH_SOURCE[0]}")/x_session.bash" "$@"

saved="$XDG_RUNTIME_DIR/game.TBY"
file_saved() { [[ -s $saved ]]; }

# enter_path_in DIALOG_TITLE SHOT: types the saved game's full path into Qt's file dialog, keeps
# a picture of it, and accepts.
enter_path_in() {
  local dialog
  dialog=$(wait_for_window "$1")
  type_text "$dialog" "$saved"
  sleep 0.2  # the path completer's list paints over the dialog
  shot "$dialog" "$2"
  press "$dialog" Return
  poll 5 "the \"$1\" dialog stayed open after Enter" has_no_window "$1"
}

# ---- First run: two humans play three moves and save ----
start_program
game=$(wait_for_window Tesselby)
press "$game" ctrl+n
start=$(wait_for_window "Kestrovan - Tesselby")
fill_start_window "$start" Ann Bob OPTION1 OPTION4
press "$start" ctrl+n
game=$(wait_for_window Tesselby)
game_top=$(client_top "$game" $GAME_CLIENT)

for move in 5:X 1:O 9:X; do
  cell=${move%:*} mark=${move#*:}
  click_cell "$game" "$game_top" "$cell"
  poll 3 "cell n$cell did not show $mark after the click" cell_shows "$game" "$game_top" "$cell" "$mark"
done
shot "$game" save_and_load_1_before_saving

# Game > Save As...: Qt's save dialog takes a full path.
press "$game" ctrl+s
enter_path_in "Save As" save_and_load_2_save_dialog
poll 3 "no file at $saved after the save dialog" file_saved
cp "$saved" "$shots/save_and_load.TBY"

# Sixteen records, every line ended by CR LF: names, scores, the nine cells (0 free, 1 X, 2 O),
# whose turn, the kind of player 2 (2 human) and the computer's level (2 when none).
lines=$(tr -cd '\n' <"$saved" | wc -c)
returns=$(tr -cd '\r' <"$saved" | wc -c)
crlf_lines=$(grep -c $'\r$' "$saved" || true)
last_bytes=$(tail -c 2 "$saved" | od -An -tx1 | tr -d ' ')
(( lines == 16 )) || fail "the saved file has $lines lines, expected 16"
[[ $returns -eq 16 && $crlf_lines -eq 16 && $last_bytes == 0d0a ]] ||
  fail "not every line of the saved file ends with CR LF: $(od -c "$saved" | head -20)"
records=$(tr -d '\r' <"$saved" | paste -sd ' ')
expected="Ann Bob 0 0 2 0 0 0 1 0 0 0 1 2 2 2"
[[ $records == "$expected" ]] || fail "the saved records are \"$records\", expected \"$expected\""

# The close box of the game window: a saved game is not offered for saving again, the program ends.
close_box "$game"
poll 5 "the program was still running after the game window's close box" program_ended
wait "$program" || fail "the first run ended with exit status $?"

# ---- Second run: Game > Load Game brings the saved board back ----
start_program
game=$(wait_for_window Tesselby)
press "$game" ctrl+l
enter_path_in "Open" save_and_load_3_open_dialog
game=$(wait_for_window Tesselby)
# The game window, not set up before, takes the size of a game in play.
poll 5 "the game window did not take the size of a game in play" has_client_height "$game" $GAME_CLIENT
game_top=$(client_top "$game" $GAME_CLIENT)
poll 5 "the loaded board did not read O..|.X.|..X" board_shows "$game" "$game_top" "O..|.X.|..X"
cp "$snapshot" "$shots/save_and_load_4_loaded.png"

# It is O's turn, as saved: a free cell takes an O.
click_cell "$game" "$game_top" 3
poll 3 "cell n3 did not show O after the click on the loaded board" cell_shows "$game" "$game_top" 3 O
cp "$snapshot" "$shots/save_and_load_5_played_on.png"
board=$(board_in "$snapshot" "$game_top")
[[ $board == "O.O|.X.|..X" ]] || fail "the board after O's move reads $board, expected O.O|.X.|..X"

# ---- Game > Exit: the changed game is offered for saving; No leaves the file as it was ----
cp "$saved" "$XDG_RUNTIME_DIR/before_exit.TBY"
press "$game" ctrl+e
prompt=$(wait_for_window "Save Game?")
shot "$prompt" save_and_load_6_save_prompt
press "$prompt" Escape
poll 5 "the program was still running after Exit was answered No" program_ended
wait "$program" || fail "the second run ended with exit status $?"
cmp -s "$saved" "$XDG_RUNTIME_DIR/before_exit.TBY" || fail "answering No to the save prompt changed the file"
[[ ! -s $XDG_RUNTIME_DIR/program.err ]] || fail "the program printed: $(cat "$XDG_RUNTIME_DIR/program.err")"

echo "$TEST_NAME: saved $records, loaded $board after one more move; screenshots in $shots"
