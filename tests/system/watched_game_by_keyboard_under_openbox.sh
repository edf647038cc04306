#!/usr/bin/env bash
# The README's way to watch a game, as watched_game_by_keyboard.sh plays it, under a window
# manager (openbox), which frames the windows and hands out the focus itself.
#
#   watched_game_by_keyboard_under_openbox.sh <path-to-tesselby> <screenshot-dir>
set -euo pipefail
TESSELBY_WM=openbox exec bash "$(dirname "${BASH_SOURCE[0]}")/watched_game_by_keyboard.sh" "$@"
