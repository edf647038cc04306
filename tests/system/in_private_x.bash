#!/usr/bin/env bash
# Runs a command on a private Xvfb screen (1024x768, 24 bits). The server picks a free display
# number itself (-displayfd) and writes it once it accepts clients, so two sessions starting at
# the same moment never meet on one display, as they can with xvfb-run -a.
#
# The server never resets (-noreset). By default Xvfb resets whenever its last fully connected
# client leaves, and the reset drops every connection it has accepted but not yet answered: a
# test's xdotool or xprop ending while the program or the window manager is still connecting
# kills that one at start, at random and more often the busier the machine is.
#
#   bash in_private_x.bash COMMAND [ARGUMENT...]
set -euo pipefail

ready=$(mktemp)
# Ended by the trap below, or by the kernel should this script be killed outright (--pdeathsig).
setpriv --pdeathsig TERM Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp \
  3>"$ready" 2>/dev/null &
server=$!
trap 'kill $server 2>/dev/null || true; wait $server 2>/dev/null || true; rm -f "$ready"' EXIT
for _ in $(seq 200); do
  [[ -s $ready ]] && break
  kill -0 "$server" 2>/dev/null || { echo "in_private_x: Xvfb did not start" >&2; exit 1; }
  sleep 0.05
done
[[ -s $ready ]] || { echo "in_private_x: Xvfb named no display within 10 seconds" >&2; exit 1; }
DISPLAY=":$(head -n 1 "$ready")"
export DISPLAY
"$@"
