#!/usr/bin/env bash
# What Horalix.exe costs beside the least a tray timer clock must do, under Wine:
#   bash tests/benchmarks/wine_footprint.sh [<runs> [<seconds of counting measured>]]
# The yardstick is minimal_tray_clock.exe (tests/benchmarks/win32, built by the win32-x64 preset
# with the same compiler and runtime): a hidden window with a tray icon and a borderless,
# always-on-top, colour-keyed window whose "mm:ss" a 200 ms timer redraws. Each run (default 5)
# starts both programs in turn in one prefix on an Xvfb display of their own, each after a fresh
# wineserver.
# Horalix.exe runs from a copy of the program folder made anew for each run, so that every run
# starts as a fresh install and the program folder stays as built. Measured:
#   start to the first visible window (first_window.exe, from inside Wine);
#   resident and private memory 10 s after the start;
#   while counting (Horalix.exe: a manual run begun from the tray menu; the yardstick counts from
#   its start), over the measured span (default 30 s): CPU time of the program's process and of
#   the wineserver, and the context switches of both, per minute.
# Prints each run, then every measure as the ratio Horalix.exe / yardstick (min, median, max over
# the runs) beside the medians of both, and the sizes of the shipped Horalix.exe. Measures only:
# exit code 0 whatever the numbers, non-zero only when it cannot measure.
set -uo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
dist=${HORALIX_DIST:-$root/dist/win32-x64}
tools=${HORALIX_BENCH_TOOLS:-$root/build/win32-x64/benchmarks}
runs=${1:-5}
span=${2:-30}
work=$root/build/wine-footprint
export WINEPREFIX=$work/prefix
export WINEDEBUG=-all
bench_name="wine footprint"
# shellcheck source=tests/benchmarks/wine_bench_lib.sh
source "$root/tests/benchmarks/wine_bench_lib.sh"
program_pid=
results=$work/results.txt

trap bench_cleanup EXIT

# A wineserver of its own for each program, warmed up (services and the desktop with its tray
# started) by one call of the probe.
fresh_server() {
  timeout 20 "$WINESERVER" -k >/dev/null 2>&1
  timeout 20 "$WINESERVER" -w >/dev/null 2>&1
  on_wine 30 "$probe" pids nothing >/dev/null
  sleep 1
}

# Context switches, voluntary and not, of every thread of a Linux process so far.
switches() {
  cat /proc/"$1"/task/*/status 2>/dev/null |
    awk '/^(voluntary|nonvoluntary)_ctxt_switches:/ { n += $2 } END { print n + 0 }'
}

# Resident and private memory of a Linux process, in kB: "<resident> <private>".
memory_kb() {
  awk '/^Rss:/ { r = $2 } /^Private_(Clean|Dirty):/ { p += $2 } END { print r + 0, p + 0 }' \
    "/proc/$1/smaps_rollup" 2>/dev/null
}

now() { date +%s.%N; }
sleep_until() {
  sleep "$(awk -v t="$1" -v n="$(now)" 'BEGIN { d = t - n; print (d > 0 ? d : 0) }')"
}

# measure <name> <file name> <folder> [arguments]: starts the program through first_window.exe,
# begins its count, and appends "<name> <first window ms> <rss kB> <private kB> <cpu/min>
# <server cpu/min> <switches/min> <server switches/min>" to the results.
measure() {
  local name=$1 file=$2 folder=$3
  shift 3
  fresh_server
  local started first linux_pid server_pid
  started=$(now)
  (cd "$folder" && timeout 40 "$WINE64" "$tools/first_window.exe" "$file" "$@") \
    >"$work/first.txt" 2>>"$log" </dev/null
  first=$(tr -d '\r' <"$work/first.txt")
  [[ $first =~ after\ ([0-9.]+)\ ms,\ process\ ([0-9]+) ]] || give_up "$file showed no window"
  first=${BASH_REMATCH[1]}
  program_pid=${BASH_REMATCH[2]}
  linux_pid=$(wait_until 10 linux_pid_of "$file")
  [[ -n $linux_pid ]] || give_up "no Linux process of $file"
  server_pid=$(linux_pid_of wineserver)
  [[ $name == Horalix.exe ]] && start_run_from_tray
  sleep_until "$(awk -v s="$started" 'BEGIN { printf "%.3f", s + 10 }')"
  local memory
  memory=$(memory_kb "$linux_pid")
  sleep 2
  local c0 s0 x0 y0 w0 c1 s1 x1 y1 w1
  w0=$(now) c0=$(cpu_seconds "$linux_pid") s0=$(cpu_seconds "$server_pid")
  x0=$(switches "$linux_pid") y0=$(switches "$server_pid")
  sleep "$span"
  w1=$(now) c1=$(cpu_seconds "$linux_pid") s1=$(cpu_seconds "$server_pid")
  x1=$(switches "$linux_pid") y1=$(switches "$server_pid")
  kill "$linux_pid" 2>/dev/null
  awk -v n="$name" -v f="$first" -v m="$memory" -v w0="$w0" -v w1="$w1" -v c0="$c0" -v c1="$c1" \
    -v s0="$s0" -v s1="$s1" -v x0="$x0" -v x1="$x1" -v y0="$y0" -v y1="$y1" 'BEGIN {
      split(m, k, " "); minutes = (w1 - w0) / 60
      printf "%s %.1f %d %d %.3f %.3f %.0f %.0f\n", n, f, k[1], k[2], (c1 - c0) / minutes,
        (s1 - s0) / minutes, (x1 - x0) / minutes, (y1 - y0) / minutes
    }' | tee -a "$results"
}

[[ -f $dist/Horalix.exe ]] || give_up "no $dist/Horalix.exe; build win32-x64 first"
[[ -f $tools/minimal_tray_clock.exe && -f $tools/first_window.exe ]] ||
  give_up "no yardstick in $tools; build win32-x64 first"
bench_setup
: >"$results"
set_manual_run 00:10:00

echo "Wine footprint: $runs runs, $span s of counting measured in each"
echo "columns: program, first window ms, resident kB, private kB, CPU s/min, wineserver CPU s/min, switches/min, wineserver switches/min"
for run in $(seq 1 "$runs"); do
  echo "run $run"
  measure yardstick minimal_tray_clock.exe "$tools" 600
  fresh_program_copy
  measure Horalix.exe Horalix.exe "$program_folder"
done

# Ratios per run (Horalix.exe / yardstick of the same run), then min, median and max.
echo
echo "Horalix.exe / yardstick over $runs runs:           min    median  max    (medians: Horalix.exe, yardstick)"
awk '
  function median(a, n,   i, j, t) {
    for (i = 2; i <= n; i++) { t = a[i]; for (j = i - 1; j > 0 && a[j] > t; j--) a[j + 1] = a[j]; a[j + 1] = t }
    return n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
  }
  $1 == "yardstick" { for (i = 2; i <= 8; i++) y[i] = $i; next }
  $1 == "Horalix.exe" {
    n++
    for (i = 2; i <= 8; i++) {
      r[i, n] = y[i] > 0 ? $i / y[i] : 0; h[i, n] = $i; m[i, n] = y[i]
    }
  }
  END {
    split("first window|resident memory|private memory|CPU time|wineserver CPU time|context switches|wineserver context switches", label, "|")
    for (i = 2; i <= 8; i++) {
      for (k = 1; k <= n; k++) { a[k] = r[i, k]; b[k] = h[i, k]; c[k] = m[i, k] }
      lo = a[1]; hi = a[1]; for (k = 2; k <= n; k++) { if (a[k] < lo) lo = a[k]; if (a[k] > hi) hi = a[k] }
      printf "  %-28s %6.2f  %6.2f  %6.2f  (%g, %g)\n", label[i - 1], lo, median(a, n), hi, median(b, n), median(c, n)
    }
    # CPU and switches of program and server together, the cost of counting as a whole.
    for (k = 1; k <= n; k++) {
      t = (m[5, k] + m[6, k]); a[k] = t > 0 ? (h[5, k] + h[6, k]) / t : 0
      t = (m[7, k] + m[8, k]); b[k] = t > 0 ? (h[7, k] + h[8, k]) / t : 0
    }
    lo = a[1]; hi = a[1]; for (k = 2; k <= n; k++) { if (a[k] < lo) lo = a[k]; if (a[k] > hi) hi = a[k] }
    printf "  %-28s %6.2f  %6.2f  %6.2f\n", "CPU, program + server", lo, median(a, n), hi
    lo = b[1]; hi = b[1]; for (k = 2; k <= n; k++) { if (b[k] < lo) lo = b[k]; if (b[k] > hi) hi = b[k] }
    printf "  %-28s %6.2f  %6.2f  %6.2f\n", "switches, program + server", lo, median(b, n), hi
  }' "$results"

echo
echo "sizes:"
for exe in "$dist/Horalix.exe" "${dist%/*}/win32-x86/Horalix.exe" "$tools/minimal_tray_clock.exe"; do
  [[ -f $exe ]] && stat -c %s "$exe" | awk -v name="${exe#"$root"/}" '{ printf "  %-56s %9d bytes  %.2f MiB\n", name, $1, $1 / 1048576 }'
done
exit 0
