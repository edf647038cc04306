#!/usr/bin/env bash
# The private X server the other scripted runs use keeps a client that is still setting up its
# connection while another client comes and goes. A server that resets when its last client
# leaves drops such a connection, and the program, or the window manager, then dies at start
# with "could not connect to display" whenever a test's xdotool or xprop ends at that moment.
#
# Here the moment is made on purpose: a connection is opened and accepted but not set up, a short
# client runs and ends, and then the waiting connection sends its setup and must be answered.
#
#   x_server_keeps_waiting_clients.sh [ignored...]
set -euo pipefail

if [[ -z "${TESSELBY_IN_XVFB:-}" ]]; then
  exec env TESSELBY_IN_XVFB=1 bash "$(dirname "$0")/in_private_x.bash" bash "$0"
fi

python3 - <<'EOF'
import os, socket, struct, subprocess, sys, time

number = os.environ["DISPLAY"].lstrip(":").split(".")[0]
waiting = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
waiting.connect("/tmp/.X11-unix/X" + number)
time.sleep(0.5)  # the idle server accepts it meanwhile and waits for its setup

# A short client, as a test's polling of the screen is: it connects fully and leaves.
subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], check=True,
               stdout=subprocess.DEVNULL)
time.sleep(0.5)  # a resetting server has closed the waiting connection by now

# Connection setup: little-endian, protocol 11.0, no authorisation.
try:
    waiting.sendall(struct.pack("<BxHHHHxx", ord("l"), 11, 0, 0, 0))
    waiting.settimeout(5)
    status = waiting.recv(1)
except OSError as error:
    sys.exit(f"x_server_keeps_waiting_clients: the waiting connection was dropped ({error})")
if status != b"\x01":
    sys.exit("x_server_keeps_waiting_clients: the server closed the waiting connection when "
             "the short client left" if not status else
             f"x_server_keeps_waiting_clients: the server refused the setup (status {status!r})")
print("x_server_keeps_waiting_clients: the waiting connection was answered")
EOF
