#!/usr/bin/env bash
# Side by side, for the program and for a bare Qt window (bench_minimal_window): the time until
# the first window is on screen, the processor time used over 10 idle seconds, and the peak
# memory. Runs both under a private Xvfb.
#
#   bench/idle.sh [build-dir]        (default: build; needs the targets tesselby and
#                                     bench_minimal_window built there)
set -euo pipefail

build=$(realpath "${1:-build}")
idle_seconds=${IDLE_SECONDS:-10}

if [[ -z "${TESSELBY_BENCH_XVFB:-}" ]]; then
  exec env TESSELBY_BENCH_XVFB=1 xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$build"
fi

now_ms() { echo $(( $(date +%s%N) / 1000000 )); }
# Processor time of all threads of a process, in nanoseconds (finer than the clock ticks of
# /proc/PID/stat, which would round an idle program's few milliseconds away).
cpu_ns() { cat /proc/"$1"/task/*/schedstat | awk '{ sum += $1 } END { print sum }'; }

# measure <label> <window title> <folder> <command...>: prints one row of the table.
measure() {
  local label=$1 title=$2 folder=$3
  shift 3
  local start pid shown="" first_ms before after peak
  start=$(now_ms)
  (cd "$folder" && exec "$@") >/dev/null 2>&1 &
  pid=$!
  for _ in $(seq 1000); do
    if xdotool search --onlyvisible --name "^${title}\$" >/dev/null 2>&1; then shown=1; break; fi
    sleep 0.005
  done
  first_ms=$(( $(now_ms) - start ))
  if [[ -z $shown ]]; then
    kill "$pid" 2>/dev/null || true
    printf '%-22s  no window titled "%s" appeared\n' "$label" "$title"
    return
  fi
  sleep 1  # start-up work is over; from here on the program idles
  before=$(cpu_ns "$pid")
  sleep "$idle_seconds"
  after=$(cpu_ns "$pid")
  peak=$(awk '/VmHWM/ { print $2 }' "/proc/$pid/status")
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  awk -v label="$label" -v first="$first_ms" -v ns="$((after - before))" \
      -v secs="$idle_seconds" -v peak="$peak" 'BEGIN {
    cpu = ns / 1e9
    printf "%-22s  %10d ms  %8.3f s (%5.2f%% of a core)  %8.1f MiB\n", label, first, cpu, 100 * cpu / secs, peak / 1024
  }'
}

# The program keeps a single-instance lock; a private runtime folder keeps it from meeting a
# copy that runs elsewhere on this machine.
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT

printf '%-22s  %13s  %32s  %12s\n' "" "first window" "processor time over ${idle_seconds} s idle" "peak memory"
measure "tesselby" "Tesselby" "$build" "$build/tesselby"
measure "minimal Qt window" "Minimal window" "$build" "$build/bench/bench_minimal_window"
