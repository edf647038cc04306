# Shared by the scripted runs of the real program: a private Xvfb session, the program started
# beside its skin and sounds, and the user's hands (keys, clicks on controls placed in twips, the
# close box) and eyes (screenshots, colour counts). Source it with the test's name in TEST_NAME
# and the script's own arguments:  source x_session.bash "$@"
#
# There is no window manager under Xvfb unless the test sets WINDOW_MANAGER (the command of one,
# "openbox") before sourcing: no frames, no close boxes, nobody handing out the focus. The focus
# is given explicitly before keys, and the close box is played by sending the window the
# WM_DELETE_WINDOW message a window manager sends when its close box is clicked.

binary=$(realpath "$1")
shots=$(mkdir -p "$2" && realpath "$2")

if [[ -z "${TESSELBY_IN_XVFB:-}" ]]; then
  exec env TESSELBY_IN_XVFB=1 bash "$(dirname "${BASH_SOURCE[0]}")/in_private_x.bash" bash "$0" "$binary" "$shots"
fi

fail() {
  echo "$TEST_NAME: $*" >&2
  echo "$TEST_NAME: windows on the screen: $(visible_titles)" >&2
  [[ -n ${program:-} ]] && [[ -s $XDG_RUNTIME_DIR/program.err ]] &&
    echo "$TEST_NAME: the program printed: $(cat "$XDG_RUNTIME_DIR/program.err")" >&2
  [[ -s ${XDG_RUNTIME_DIR:-}/window_manager.log ]] &&
    echo "$TEST_NAME: the window manager printed: $(cat "$XDG_RUNTIME_DIR/window_manager.log")" >&2
  import -window root "$shots/${TEST_NAME}_failure.png" 2>/dev/null || true
  exit 1
}

rm -f "$shots/${TEST_NAME}_failure.png"

# A private runtime folder: the single-instance lock of a copy running elsewhere stays out of it.
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
trap 'kill ${program:-} ${window_manager:-} 2>/dev/null || true; rm -rf "$XDG_RUNTIME_DIR"' EXIT
cd "$(dirname "$binary")" || fail "cannot go to the program's folder"  # it runs beside its skin and sounds

# One twip is a fifteenth of a pixel.
TWIPS_PER_PIXEL=15

# What the session starts ends with it: the EXIT trap ends it, and should the script be killed
# outright and run no trap, the kernel sends it SIGTERM (setpriv --pdeathsig).
start_program() {
  setpriv --pdeathsig TERM ./tesselby 2>>"$XDG_RUNTIME_DIR/program.err" &
  program=$!
}

# poll SECONDS WHAT COMMAND...: runs COMMAND every 50 ms until it succeeds; fails naming WHAT
# once SECONDS have passed.
poll() {
  local seconds=$1 what=$2
  shift 2
  local deadline=$(( $(date +%s%N) + seconds * 1000000000 ))
  while (( $(date +%s%N) < deadline )); do
    "$@" && return 0
    sleep 0.05
  done
  "$@" && return 0
  fail "$what (waited $seconds s)"
}

visible_titles() {
  local titles=() id
  for id in $(xdotool search --onlyvisible --name '.' 2>/dev/null); do
    titles+=("\"$(xdotool getwindowname "$id")\"")
  done
  echo "${titles[*]:-none}"
}
# visible_window TITLE: the id of a visible window with exactly that title (any letter case).
visible_window() {
  local pattern
  pattern=$(printf '%s' "$1" | sed 's/[][\\.*^$?+(){}|]/\\&/g')
  xdotool search --onlyvisible --name "^$pattern\$" 2>/dev/null | head -1
}
has_window() { [[ -n $(visible_window "$1") ]]; }
has_no_window() { [[ -z $(visible_window "$1") ]]; }
program_running() { kill -0 "$program" 2>/dev/null; }
program_ended() { ! program_running; }

# wait_for_window TITLE: prints the id of the visible window with exactly that title.
wait_for_window() {
  local title=$1 window=""
  for _ in $(seq 200); do
    window=$(visible_window "$title")
    if [[ -n $window ]]; then
      sleep 0.3  # let the first paint land
      echo "$window"
      return 0
    fi
    program_running || fail "the program ended while waiting for the window \"$title\""
    sleep 0.05
  done
  fail "no window titled \"$title\" within 10 seconds"
}

window_height() { xwininfo -id "$1" | awk '/Height:/ { print $2 }'; }

# has_client_height WINDOW CLIENT_PIXELS: WINDOW is as high as a client area of CLIENT_PIXELS
# below a menu bar, now.
has_client_height() {
  local top=$(( $(window_height "$1") - $2 ))
  (( top > 10 && top < 40 ))
}

# client_top WINDOW CLIENT_PIXELS: the client area fills the window below Qt's menu bar, so its
# top is the window's height less the client height the program set.
client_top() {
  local top=$(( $(window_height "$1") - $2 ))
  has_client_height "$1" "$2" || fail "window $1: $top pixels above a $2 pixel client area, expected a menu bar"
  echo "$top"
}

# focus WINDOW: the keyboard goes to WINDOW; nobody else hands the focus out here.
focus() { xdotool windowfocus --sync "$1"; }

# press WINDOW KEYS...: keys typed into WINDOW.
press() {
  focus "$1"
  xdotool key --delay 40 "${@:2}"
}

# type_text WINDOW TEXT
type_text() {
  focus "$1"
  xdotool type --delay 40 "$2"
}

# click_control WINDOW CLIENT_TOP LEFT TOP WIDTH HEIGHT: clicks the middle of a control placed
# in twips from the top left of the client area.
click_control() {
  local x=$(( ($3 + $5 / 2) / TWIPS_PER_PIXEL )) y=$(( $2 + ($4 + $6 / 2) / TWIPS_PER_PIXEL ))
  xdotool mousemove --window "$1" "$x" "$y" click 1
  sleep 0.1
}

# close_box WINDOW: what a window manager does when the window's close box is clicked.
close_box() {
  python3 - "$1" <<'EOF' || fail "could not send the close request to window $1"
import ctypes, sys

x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
x11.XInternAtom.restype = ctypes.c_ulong
x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                           ctypes.c_void_p]
x11.XFlush.argtypes = [ctypes.c_void_p]
x11.XCloseDisplay.argtypes = [ctypes.c_void_p]

class ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong),
                ("message_type", ctypes.c_ulong), ("format", ctypes.c_int),
                ("data", ctypes.c_long * 5), ("pad", ctypes.c_long * 24)]

display = x11.XOpenDisplay(None)
if not display:
    sys.exit("no display")
window = int(sys.argv[1])
event = ClientMessage()
event.type = 33  # ClientMessage
event.window = window
event.message_type = x11.XInternAtom(display, b"WM_PROTOCOLS", 0)
event.format = 32
event.data[0] = x11.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
event.data[1] = 0  # CurrentTime
if not x11.XSendEvent(display, window, 0, 0, ctypes.byref(event)):
    sys.exit("XSendEvent failed")
x11.XFlush(display)
x11.XCloseDisplay(display)
EOF
}

# Client heights in pixels the program sets: the game window before a game is set up and
# during one, and the start window.
NOT_READY_CLIENT=238
GAME_CLIENT=286
START_CLIENT=169

# The start window's options (twips from its client area's top left; the options sit in frames
# at 120,1110, 1815,1110 and 120,1890).
OPTION1=(2940 1425 225 210)  # X'ss go first
OPTION3=(1215 1185 225 210)  # player 2 is the computer
OPTION4=(1215 1425 225 210)  # player 2 is human
OPTION6=(1935 2040 240 210)  # Normal

# fill_start_window WINDOW NAME1 NAME2 OPTION...: types the two names (Pl1 has the focus, Enter
# moves on to Pl2) and clicks each option given by its variable name (OPTION1, OPTION4 ...).
# Each option hands the focus on to a name box at once.
fill_start_window() {
  local window=$1 top
  top=$(client_top "$window" $START_CLIENT)
  type_text "$window" "$2"
  press "$window" Return
  type_text "$window" "$3"
  shift 3
  local option
  for option in "$@"; do
    local -n place=$option
    click_control "$window" "$top" "${place[@]}"
  done
}

# shot WINDOW NAME: keeps a picture of WINDOW as NAME.png in the screenshot folder.
shot() { import -window "$1" "$shots/$2.png"; }

# count_pixels IMAGE GEOMETRY CONDITION: pixels of IMAGE inside GEOMETRY (WxH+X+Y) for which
# the fx CONDITION on r, g, b (0..1) holds.
count_pixels() {
  convert "$1" -crop "$2" +repage -fx "$3 ? 1 : 0" -format '%[fx:int(mean*w*h+0.5)]' info:
}

# The marks' colours: X is drawn red, O blue, on pale cells.
RED='r > 0.55 && g < 0.4 && b < 0.4'
BLUE='b > 0.55 && r < 0.4 && g < 0.55'

# cell_geometry N CLIENT_TOP: the inside of board cell nN (n1 n2 n3 / n4 n5 n6 / n7 n8 n9), each
# 1005 twips square, 1065 apart, the first at 60,420 twips.
cell_geometry() {
  local n=$(( $1 - 1 )) inset=4
  local left=$(( (60 + (n % 3) * 1065) / TWIPS_PER_PIXEL + inset ))
  local top=$(( $2 + (420 + (n / 3) * 1065) / TWIPS_PER_PIXEL + inset ))
  local size=$(( 1005 / TWIPS_PER_PIXEL - 2 * inset ))
  echo "${size}x${size}+${left}+${top}"
}

# click_cell WINDOW CLIENT_TOP N
click_cell() {
  local n=$(( $3 - 1 ))
  click_control "$1" "$2" $(( 60 + (n % 3) * 1065 )) $(( 420 + (n / 3) * 1065 )) 1005 1005
}

# mark_in IMAGE CLIENT_TOP N: prints X, O or . for what cell nN shows, by colour.
mark_in() {
  local geometry
  geometry=$(cell_geometry "$3" "$2")
  local red blue
  red=$(count_pixels "$1" "$geometry" "$RED")
  blue=$(count_pixels "$1" "$geometry" "$BLUE")
  if (( red > 100 && blue < 20 )); then echo X
  elif (( blue > 100 && red < 20 )); then echo O
  else echo .
  fi
}

# board_in IMAGE CLIENT_TOP: the board as "XO.|.X.|..O".
board_in() {
  local board=""
  for n in 1 2 3 4 5 6 7 8 9; do
    board+=$(mark_in "$1" "$2" "$n")
    (( n % 3 == 0 && n < 9 )) && board+="|"
  done
  echo "$board"
}

# The latest look at a window taken while polling, kept for a screenshot of what was seen.
snapshot="$XDG_RUNTIME_DIR/now.png"

# cell_shows WINDOW CLIENT_TOP N MARK: cell nN of WINDOW shows MARK (X, O or . for none) now.
cell_shows() {
  import -window "$1" "$snapshot" && [[ $(mark_in "$snapshot" "$2" "$3") == "$4" ]]
}

# board_shows WINDOW CLIENT_TOP BOARD: the board of WINDOW reads BOARD ("XO.|.X.|..O") now.
board_shows() {
  import -window "$1" "$snapshot" && [[ $(board_in "$snapshot" "$2") == "$3" ]]
}

# The window manager, when the test asks for one, is ready once it names itself on the screen.
window_manager_ready() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
if [[ -n ${WINDOW_MANAGER:-} ]]; then
  setpriv --pdeathsig TERM "$WINDOW_MANAGER" --sm-disable \
    >"$XDG_RUNTIME_DIR/window_manager.log" 2>&1 &
  window_manager=$!
  poll 10 "$WINDOW_MANAGER to start" window_manager_ready
fi
