#!/usr/bin/env bash
# A long watched game of the real program under a private Xvfb, to catch what only shows after
# minutes of play: a crash, a silent exit, memory or files or threads that keep growing. Every
# 30 seconds it prints the program's memory (resident and peak), its share of a core over the
# last 30 seconds, its open files and threads, and the board; when the program ends early it
# prints how (exit status or signal), the stack of every thread at that moment and what the
# program printed, and the script fails.
#
#   bench/soak.sh [build-dir] [minutes]      (defaults: build, 70)
#
#   SOAK_WM=openbox   play under that window manager instead of none; it ends with the script,
#                     also on a display the script did not make (TESSELBY_IN_XVFB=1, DISPLAY set)
#   SOAK_GDB=0        run the program bare, without the debugger (a crash then leaves a core
#                     file, named by /proc/sys/kernel/core_pattern, in the copy's folder)
#   SOAK_LOG=DIR      where the copy of the program, its output and the screenshots stay
#                     (default: a fresh folder under /tmp, kept after the run)
#
# The program runs from a copy of the build's program folder, so the build can go on meanwhile.
# Not part of the test suite: it takes as long as it is told to.
set -euo pipefail

if [[ -z "${TESSELBY_IN_XVFB:-}" ]]; then
  build=$(realpath "${1:-build}")
  export SOAK_MINUTES=${2:-70}
  export SOAK_LOG=${SOAK_LOG:-$(mktemp -d /tmp/tesselby-soak.XXXXXX)}
  mkdir -p "$SOAK_LOG/program"
  cp -r "$build/game/." "$SOAK_LOG/program/"
  set -- "$SOAK_LOG/program/tesselby" "$SOAK_LOG/shots"
fi

TEST_NAME=soak
WINDOW_MANAGER=${SOAK_WM:-}
source "$(dirname "${BASH_SOURCE[0]}")/../tests/system/x_session.bash" "$@"

ulimit -c unlimited
seconds=$(( SOAK_MINUTES * 60 ))
gdb_log=$SOAK_LOG/gdb.log
err_log=$XDG_RUNTIME_DIR/program.err
inferior=""

# Under the debugger every way out leaves a trace: a fatal signal stops the program, and the
# signal with its sender and the stacks are printed; an orderly exit, even one that runs no
# handler, is caught at its system call, where the stack of the caller is printed before the
# program goes on to end.
start_watched_program() {
  if [[ ${SOAK_GDB:-1} == 0 ]] || ! command -v gdb >/dev/null; then
    start_program
    inferior=$program
    return
  fi
  cat >"$SOAK_LOG/gdb.commands" <<'EOF'
set pagination off
set confirm off
handle SIGPIPE nostop noprint pass
catch syscall exit_group
commands
  echo \n--- the program is leaving; its stack: ---\n
  bt
  continue
end
run
echo \n--- the program stopped ---\n
print $_exitcode
print $_siginfo
thread apply all bt
EOF
  # Ended with the script as x_session.bash ends the program; the debugger, ended, kills the
  # program it runs.
  setpriv --pdeathsig TERM gdb -q -batch -x "$SOAK_LOG/gdb.commands" --args ./tesselby \
    </dev/null >"$gdb_log" 2>>"$err_log" &
  program=$!
  for _ in $(seq 200); do
    inferior=$(pgrep -P "$program" | head -1 || true)
    [[ -n $inferior ]] && return
    sleep 0.05
  done
  fail "the debugger did not start the program"
}

# The program's processor time so far, in clock ticks (user plus system).
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$inferior/stat" 2>/dev/null || echo 0; }
# A field of /proc/PID/status: VmRSS and VmHWM in KiB, Threads as a count.
status_field() { awk -v key="$1:" '$1 == key { print $2 }' "/proc/$inferior/status" 2>/dev/null || echo 0; }

report_end() {
  local elapsed=$1 status=0
  wait "$program" || status=$?
  if [[ $inferior == "$program" ]]; then
    echo "soak: the program ended after $elapsed s of the $seconds s (exit status $status)"
  else
    echo "soak: the program ended after $elapsed s of the $seconds s (how: the debugger's last lines)"
  fi
  if [[ -s $gdb_log ]]; then echo "--- debugger ---"; cat "$gdb_log"; fi
  if [[ -s $err_log ]]; then echo "--- the program printed ---"; cat "$err_log"; fi
  echo "--- cores in $(dirname "$binary") (pattern: $(cat /proc/sys/kernel/core_pattern)) ---"
  ls -l "$(dirname "$binary")"/core* 2>/dev/null || echo "none"
  echo "--- kernel messages ---"
  dmesg 2>&1 | grep -iE "out of memory|oom|killed process|segfault|tesselby" | tail -20 || true
  # A signal's sender is named by the debugger's siginfo; this says what that process was.
  ps -eo pid,ppid,etimes,args >"$SOAK_LOG/processes_at_the_end.txt"
  exit 1
}

start_watched_program
game=$(wait_for_window Tesselby)
press "$game" ctrl+n
start=$(wait_for_window "Kestrovan - Tesselby")
# Computer as player 2 enables Watch; the button lies below the window's visible area, so it
# is reached from the X's name box backwards, the last control in the tab order.
fill_start_window "$start" Ann Bob OPTION1 OPTION3
start_top=$(client_top "$start" $START_CLIENT)
click_control "$start" "$start_top" 480 360 2895 285
press "$start" shift+Tab space
game=$(wait_for_window Tesselby)
poll 5 "the start window stayed on the screen after Watch" has_no_window "Kestrovan - Tesselby"
game_top=$(client_top "$game" $GAME_CLIENT)
board_has_marks() { import -window "$game" "$snapshot" && [[ $(board_in "$snapshot" "$game_top") == *[XO]* ]]; }
poll 10 "no mark on the board: the watched game did not start" board_has_marks

how="under the debugger"
[[ $inferior == "$program" ]] && how="bare"
echo "soak: a watched game, ${SOAK_WM:-no window manager}, $how, for $seconds s; program $inferior; log in $SOAK_LOG"
printf '%8s  %10s  %10s  %8s  %6s  %8s  %s\n' "seconds" "RSS MiB" "peak MiB" "CPU %" "files" "threads" "board"
ticks_per_second=$(getconf CLK_TCK)
started=$(date +%s)
last_ticks=$(cpu_ticks) last_time=$started
while :; do
  for _ in $(seq 30); do
    sleep 1
    program_running || report_end $(( $(date +%s) - started ))
  done
  now=$(date +%s) ticks=$(cpu_ticks)
  board="?"
  import -window "$game" "$snapshot" 2>/dev/null && board=$(board_in "$snapshot" "$game_top")
  awk -v s=$(( now - started )) -v rss="$(status_field VmRSS)" -v peak="$(status_field VmHWM)" \
      -v dt=$(( ticks - last_ticks )) -v span=$(( now - last_time )) -v hz="$ticks_per_second" \
      -v files="$(ls "/proc/$inferior/fd" 2>/dev/null | wc -l)" -v threads="$(status_field Threads)" \
      -v board="$board" 'BEGIN {
    printf "%8d  %10.1f  %10.1f  %8.1f  %6d  %8d  %s\n", s, rss / 1024, peak / 1024,
           100 * dt / hz / span, files, threads, board
  }'
  last_ticks=$ticks last_time=$now
  (( now - started >= seconds )) && break
done

cp "$snapshot" "$shots/soak_last.png" 2>/dev/null || true
kill "$inferior" 2>/dev/null || true
echo "soak: the program ran the whole $seconds s"
