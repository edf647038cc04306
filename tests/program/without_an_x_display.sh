#!/usr/bin/env bash
# Started where no X display can be had (DISPLAY unset, empty, or naming no server), the program
# says so itself in one line that names the display it tried, and ends at once with status 1,
# rather than Qt's abort with its advice to reinstall the application.
#
#   bash without_an_x_display.sh PROGRAM
set -uo pipefail
program=$1
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
failures=0

# expect_refusal WHAT WORD [DISPLAY=VALUE]: the program, started with DISPLAY unset or so set,
# refuses in one line that says it needs an X display and holds WORD.
expect_refusal() {
  local what=$1 word=$2 said status
  said=$(env -u DISPLAY -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY -u XDG_SESSION_TYPE \
    XDG_RUNTIME_DIR="$runtime" "${@:3}" timeout 10 "$program" 2>&1 >/dev/null)
  status=$?
  if (( status != 1 )) || [[ $said == *$'\n'* || $said != *"X display"* || $said != *"$word"* ]]; then
    echo "$what: exit status $status (1 expected), printed:" >&2
    echo "$said" >&2
    failures=$((failures + 1))
  fi
}

expect_refusal "DISPLAY unset" "DISPLAY is not set"
expect_refusal "DISPLAY empty" "DISPLAY is empty" DISPLAY=
expect_refusal "DISPLAY naming no server" '":987654"' DISPLAY=:987654
(( failures == 0 ))
