#!/usr/bin/env bash
# The program beside a bare Qt window with one label (bench_minimal_window), started in turns
# under a private Xvfb, RUNS times each:
#   - first map and first paint of the window, in ms from the start of the command, as the X
#     server reports them (bench_first_frame watches MapNotify and DAMAGE events; no polling);
#   - once the window has settled, over IDLE_SECONDS: wake-ups per second of the main thread's
#     event loop (its returns from poll, counted by strace over a second stretch of IDLE_SECONDS),
#     context switches per second of all its threads, processor time (per cent of one core) and
#     resident memory.
# Then the program alone, waiting for the user in its start window and in a game between two
# people or against the computer, before the first move: wake-ups and processor time.
# Prints the medians of each and the program's ratio to the bare window.
#
#   bench/idle.sh [build-dir]        (default: build; needs the game, bench_minimal_window and
#                                     bench_first_frame built there: scripts/build, not
#                                     scripts/build game)
#   RUNS=10 IDLE_SECONDS=3 bench/idle.sh
set -euo pipefail

build=$(realpath "${1:-build}")
runs=${RUNS:-10}
idle_seconds=${IDLE_SECONDS:-3}

# On the system tests' private X server, which never resets: each run starts the program and its
# measuring clients many times over, and a server that reset whenever the last of them left
# would drop a program still connecting.
if [[ -z "${TESSELBY_BENCH_XVFB:-}" ]]; then
  exec env TESSELBY_BENCH_XVFB=1 RUNS="$runs" IDLE_SECONDS="$idle_seconds" \
    bash "$(dirname "$0")/../tests/system/in_private_x.bash" bash "$0" "$build"
fi

# The program keeps a single-instance lock; a private runtime folder keeps it from meeting a
# copy that runs elsewhere on this machine.
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
results=$(mktemp)
trap 'rm -rf "$XDG_RUNTIME_DIR" "$results"' EXIT
cd "$build/game"  # the program runs from its own folder, beside its skin and sounds

# Context switches of all threads: each one is the process waking up (or being woken).
switches() { cat /proc/"$1"/task/*/status | awk '/voluntary_ctxt_switches/ { s += $2 } END { print s }'; }
# Processor time of all threads in nanoseconds (finer than the clock ticks of /proc/PID/stat).
cpu_ns() { cat /proc/"$1"/task/*/schedstat | awk '{ s += $1 } END { print s }'; }
rss_kib() { awk '/VmRSS/ { print $2 }' /proc/"$1"/status; }

# Returns of the main thread from a poll that slept (1 ms or longer): each one is the event loop
# woken up.
loop_wakeups() {
  local trace
  trace=$(mktemp)
  timeout -s INT "$idle_seconds" strace -qq -T -p "$1" -e trace=poll,ppoll -o "$trace" || true
  awk -F'<' '/poll/ && $NF + 0 >= 0.001 { n++ } END { print n + 0 }' "$trace"
  rm -f "$trace"
}

# idle <label> <pid>: one row "label idle loop/s switches/s cpu% rss_MiB".
idle() {
  local s0 c0 s1 c1 loops
  s0=$(switches "$2"); c0=$(cpu_ns "$2")
  sleep "$idle_seconds"
  s1=$(switches "$2"); c1=$(cpu_ns "$2")
  loops=$(loop_wakeups "$2")
  awk -v l="$1" -v w="$loops" -v s=$((s1 - s0)) -v c=$((c1 - c0)) -v t="$idle_seconds" \
    -v m="$(rss_kib "$2")" \
    'BEGIN { printf "%s idle %.2f %.2f %.3f %.1f\n", l, w / t, s / t, 100 * c / (t * 1e9), m / 1024 }'
}

# start <label> <command...>: one row "label frame map_ms paint_ms", then the idle row.
start() {
  local label=$1 map paint pid
  shift
  read -r map paint pid < <("$build"/bench/bench_first_frame "$@") || true
  if [[ -z ${pid:-} ]]; then
    echo "$label: no window was drawn" >&2
    return
  fi
  echo "$label frame $map $paint" >>"$results"
  sleep 1  # start-up work is over
  idle "$label" "$pid" >>"$results"
  kill "$pid" 2>/dev/null || true
  while kill -0 "$pid" 2>/dev/null; do sleep 0.05; done
}

for ((run = 0; run < runs; run++)); do
  # Turns alternate which of the two starts first, so that neither always finds a warmer cache.
  if ((run % 2 == 0)); then
    start tesselby ./tesselby
    start minimal "$build"/bench/bench_minimal_window
  else
    start minimal "$build"/bench/bench_minimal_window
    start tesselby ./tesselby
  fi
done

# visible_window <title pattern>: the id of a visible window with that title, once there is one.
visible_window() {
  local id
  for _ in $(seq 200); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true)
    [[ -n $id ]] && { echo "$id"; return; }
    sleep 0.05
  done
  echo "no window titled $1" >&2
  return 1
}

# click <window> <client height in pixels> <left top width height in twips>: a click in the
# middle of a control; the client area fills the window below its menu bar.
click() {
  local height top
  height=$(xwininfo -id "$1" | awk '/Height:/ { print $2 }')
  top=$((height - $2))
  xdotool mousemove --window "$1" $((($3 + $5 / 2) / 15)) $((top + ($4 + $6 / 2) / 15)) click 1
}

# waiting <label> <option ...>: the program started, Game > New, idle with the start window
# open ("start-window"), then Ann and Bob entered with the options (twips, as in the start
# window's table), New, and idle with the game waiting for Ann's first move.
waiting() {
  local label=$1 pid game start
  shift
  read -r _ _ pid < <("$build"/bench/bench_first_frame ./tesselby) || { echo "$label: no window was drawn" >&2; return; }
  sleep 1
  game=$(visible_window '^Tesselby$')
  xdotool windowfocus --sync "$game" key ctrl+n 2>/dev/null
  start=$(visible_window ' - Tesselby$')
  sleep 1
  [[ $label == human ]] && idle "start-window" "$pid" | sed 's/ idle / window /' >>"$results"
  xdotool windowfocus --sync "$start" type --delay 20 Ann
  xdotool key Return type --delay 20 Bob
  local option
  for option in "$@"; do
    # shellcheck disable=SC2086
    click "$start" 169 $option
    sleep 0.1
  done
  xdotool windowfocus --sync "$start" key ctrl+n 2>/dev/null
  visible_window '^Tesselby$' >/dev/null
  sleep 1
  idle "$label" "$pid" | sed 's/ idle / window /' >>"$results"
  kill "$pid"
}
# X goes first; player 2 is human, or the computer at Normal.
waiting human "2940 1425 225 210" "1215 1425 225 210"
waiting computer "2940 1425 225 210" "1215 1185 225 210" "1935 2040 240 210"

awk -v runs="$runs" -v secs="$idle_seconds" '
  function median(list,   n, a, i, j, t) {
    n = split(list, a, " ")
    for (i = 2; i <= n; i++) for (j = i; j > 1 && a[j - 1] + 0 > a[j] + 0; j--) { t = a[j]; a[j] = a[j - 1]; a[j - 1] = t }
    return n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
  }
  $2 == "frame" { map[$1] = map[$1] " " $3; paint[$1] = paint[$1] " " $4 }
  $2 == "idle" { wake[$1] = wake[$1] " " $3; sw[$1] = sw[$1] " " $4; cpu[$1] = cpu[$1] " " $5; mem[$1] = mem[$1] " " $6 }
  $2 == "window" { ww[$1] = $3; ws[$1] = $4; wc[$1] = $5 }
  END {
    printf "medians of %d interleaved starts each; idle over %d s after the window settled\n\n", runs, secs
    printf "%-16s %10s %12s %13s %12s %9s %13s\n", "", "first map", "first paint", "wake-ups / s", "switches / s", "idle CPU", "memory (RSS)"
    for (p = 0; p < 2; p++) {
      k = p ? "minimal" : "tesselby"
      name = p ? "bare Qt window" : "Tesselby"
      m[k] = median(map[k]); f[k] = median(paint[k]); w[k] = median(wake[k]); s[k] = median(sw[k]); c[k] = median(cpu[k]); r[k] = median(mem[k])
      printf "%-16s %7.1f ms %9.1f ms %13.1f %12.1f %8.2f%% %9.1f MiB\n", name, m[k], f[k], w[k], s[k], c[k], r[k]
    }
    printf "%-16s %9.2fx %11.2fx %13s %12s %9s %12.2fx\n", "Tesselby / bare", m["tesselby"] / m["minimal"], f["tesselby"] / f["minimal"], "", "", "", r["tesselby"] / r["minimal"]
    printf "\nTesselby waiting for the user, once each:\n"
    printf "  %-44s %5.1f wake-ups / s %6.1f switches / s %6.2f%% CPU\n", "the start window (a caret blinks in a name box)", ww["start-window"], ws["start-window"], wc["start-window"]
    printf "  %-44s %5.1f wake-ups / s %6.1f switches / s %6.2f%% CPU\n", "a game between two people, before a move", ww["human"], ws["human"], wc["human"]
    printf "  %-44s %5.1f wake-ups / s %6.1f switches / s %6.2f%% CPU\n", "a game against the computer, before a move", ww["computer"], ws["computer"], wc["computer"]
  }' "$results"
