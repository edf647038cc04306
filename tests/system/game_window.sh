#!/usr/bin/env bash
# The real program under Xvfb: the game window opens with the not-ready prompt at the size the
# game sets, a screenshot is kept, and a second start ends at once, silently, without a window.
#
#   game_window.sh <path-to-tesselby> <screenshot-dir>
set -euo pipefail

binary=$(realpath "$1")
shots=$(mkdir -p "$2" && realpath "$2")

if [[ -z "${TESSELBY_IN_XVFB:-}" ]]; then
  exec env TESSELBY_IN_XVFB=1 bash "$(dirname "$0")/in_private_x.bash" bash "$0" "$binary" "$shots"
fi

fail() {
  echo "game_window: $*" >&2
  [[ -s ${XDG_RUNTIME_DIR:-}/first.err ]] && echo "game_window: the program printed: $(cat "$XDG_RUNTIME_DIR/first.err")" >&2
  exit 1
}

# A private runtime folder: the single-instance lock of a copy running elsewhere stays out of it.
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
cd "$(dirname "$binary")"  # the program runs beside its skin and sounds

./tesselby 2>"$XDG_RUNTIME_DIR/first.err" &
first=$!
trap 'kill $first 2>/dev/null || true; rm -rf "$XDG_RUNTIME_DIR"' EXIT

window=""
for _ in $(seq 200); do
  window=$(xdotool search --onlyvisible --name '^Tesselby$' 2>/dev/null | head -1 || true)
  [[ -n $window ]] && break
  kill -0 "$first" 2>/dev/null || fail "the program ended before showing its window"
  sleep 0.05
done
[[ -n $window ]] || fail "no window titled Tesselby within 10 seconds"
sleep 0.5  # let the first paint land

# Outer width 3345 twips less the tool window's frame: 215 pixels of client area. Outer height
# 4245 less frame, title bar and menu bar: 238 pixels, with Qt's own menu bar above them.
read -r width height < <(xwininfo -id "$window" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w, h }')
[[ $width -eq 215 ]] || fail "window is $width pixels wide, expected 215"
(( height > 238 + 10 && height < 238 + 40 )) || fail "window is $height pixels high, expected 238 and a menu bar"

# The not-ready prompt is yellow on the dark top bar; on a busy machine it may take a moment to
# paint.
yellow_pixels() {
  import -window "$window" "$shots/game_window_only.png" &&
    convert "$shots/game_window_only.png" -fuzz 25% -fill black +opaque yellow -fill white -opaque yellow \
      -format '%[fx:int(mean*w*h)]' info:
}
for _ in $(seq 100); do
  yellow=$(yellow_pixels) || yellow=0
  (( yellow > 20 )) && break
  sleep 0.05
done
(( yellow > 20 )) || fail "no yellow prompt in the game window (found $yellow yellow pixels)"
import -window root "$shots/game_window.png"

# A second start while the first runs ends by itself, prints nothing and shows nothing. How soon
# it ends is printed, not held to a figure: a busy machine makes any start slow.
started=$(date +%s%N)
timeout 10 ./tesselby >"$XDG_RUNTIME_DIR/second.out" 2>&1 || fail "the second start did not end by itself"
elapsed_ms=$(( ($(date +%s%N) - started) / 1000000 ))
[[ ! -s $XDG_RUNTIME_DIR/second.out ]] || fail "the second start printed: $(cat "$XDG_RUNTIME_DIR/second.out")"
[[ $(xdotool search --onlyvisible --name '^Tesselby$' | wc -l) -eq 1 ]] || fail "a second game window appeared"
kill -0 "$first" 2>/dev/null || fail "the first copy ended"
[[ ! -s $XDG_RUNTIME_DIR/first.err ]] || fail "the program printed: $(cat "$XDG_RUNTIME_DIR/first.err")"

echo "game_window: ${width}x${height}, second start ended in ${elapsed_ms} ms, screenshots in $shots"
