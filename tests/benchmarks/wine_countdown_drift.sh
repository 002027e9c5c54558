#!/usr/bin/env bash
# How closely the clock follows real time under Wine, and what counting costs:
#   bash tests/benchmarks/wine_countdown_drift.sh [<run length, hh:mm:ss> [<seconds sampled>]]
# Starts Horalix.exe from a copy of dist/win32-x64 (build/wine-bench/program) in a fresh prefix
# of its own (build/wine-bench) on an Xvfb display of its own, begins a manual run (default
# 00:02:00) from the tray menu and, once a second for the sampled span (default 75 s, after 4 s
# spent finding the phase of the ticks), reads the count the clock shows (its window's own text,
# through the probe of the Wine tests) and the true elapsed time since the tray click. Prints per
# sample and at the end: the largest and mean difference between the shown remaining time and
# (set time - true elapsed), and the CPU time the program's process (and the prefix's
# wineserver) used per minute of counting. Measures only: exit code 0 whatever the numbers,
# non-zero only when it cannot measure.
set -uo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
dist=${HORALIX_DIST:-$root/dist/win32-x64}
run_length=${1:-00:02:00}
sampled=${2:-75}
work=$root/build/wine-bench
export WINEPREFIX=$work/prefix
export WINEDEBUG=-all
bench_name="wine countdown drift"
# shellcheck source=tests/benchmarks/wine_bench_lib.sh
source "$root/tests/benchmarks/wine_bench_lib.sh"
program_job=
program_pid=

cleanup() {
  [[ -n $program_job ]] && kill "$program_job" 2>/dev/null
  bench_cleanup
}

shown_text() { clock_text "$probe" "$program_pid"; }

[[ -f $dist/Horalix.exe ]] || give_up "no $dist/Horalix.exe; build win32-x64 first"
trap cleanup EXIT
bench_setup

echo "Wine count-down drift: a manual run of $run_length, sampled for $sampled s"
set_manual_run "$run_length"

fresh_program_copy
(cd "$program_folder" && exec timeout $((sampled + 120)) "$WINE64" Horalix.exe) >>"$log" 2>&1 &
program_job=$!
wait_until 15 has_program_pid || give_up "Horalix.exe did not start"
program_pid=$(program_pids | head -n 1)
start_run_from_tray
started=$run_started

linux_pid=$(wait_until 10 linux_pid_of Horalix.exe)
[[ -n $linux_pid ]] || give_up "no Linux process of Horalix.exe"
server_pid=$(linux_pid_of wineserver)
set_seconds=$(count_seconds "$run_length")

# The phase of the count's ticks: the moment (in seconds after the tray click, modulo 1) at which
# the text changes, found by reading it as fast as the probe allows for a few seconds. Samples
# are then taken half a second away from the ticks, so that a reading never races a tick.
changes=$work/changes.txt
: >"$changes"
previous=''
while awk -v s="$started" -v now="$(date +%s.%N)" 'BEGIN { exit !(now - s < 4) }'; do
  before=$(date +%s.%N)
  text=$(shown_text)
  after=$(date +%s.%N)
  if [[ -n $previous && -n $text && $text != "$previous" ]]; then
    echo "$before $after" >>"$changes"
  fi
  [[ -n $text ]] && previous=$text
done
# A change seen in the read [before, after] happened between the previous read and this one;
# the middle of the reading before it is taken for it (the reads follow each other closely).
phase=$(awk -v s="$started" '{ t = $1 - s - ($2 - $1) / 2; p = t - int(t); x += cos(6.2832 * p); y += sin(6.2832 * p); n++ }
  END { if (n == 0) { print 0.5; exit } a = atan2(y, x) / 6.2832; if (a < 0) a += 1; printf "%.3f\n", a }' "$changes")
read_time=$(awk '{ d += $2 - $1; n++ } END { printf "%.3f", n ? d / n : 0 }' "$changes")
offset=$(awk -v p="$phase" 'BEGIN { o = p + 0.5; if (o >= 1) o -= 1; printf "%.3f", o }')
echo "  ticks at $phase s past each whole second of the run (one probe read: $read_time s); samples at $offset s"

# Samples "<true elapsed> <shown remaining> <difference>", one a second, away from the ticks.
samples=$work/samples.txt
: >"$samples"
cpu_first='' server_first='' wall_first=''
k=$(awk -v s="$started" -v now="$(date +%s.%N)" 'BEGIN { print int(now - s) + 1 }')
last_k=$((k + sampled - 1))
while ((k <= last_k)); do
  sleep "$(awk -v s="$started" -v k="$k" -v o="$offset" -v now="$(date +%s.%N)" \
    'BEGIN { d = s + k + o - now; print (d > 0 ? d : 0) }')"
  before=$(date +%s.%N)
  cpu=$(cpu_seconds "$linux_pid")
  server=$([[ -n $server_pid ]] && cpu_seconds "$server_pid")
  text=$(shown_text)
  after=$(date +%s.%N)
  if [[ -z $cpu_first ]]; then
    cpu_first=$cpu server_first=$server wall_first=$before
  fi
  cpu_last=$cpu server_last=$server wall_last=$after
  if [[ -n $text ]]; then
    awk -v b="$before" -v a="$after" -v s="$started" -v set="$set_seconds" \
      -v shown="$(count_seconds "$text")" 'BEGIN {
        elapsed = (a + b) / 2 - s
        printf "%.3f %d %.3f\n", elapsed, shown, shown - (set - elapsed)
      }' >>"$samples"
  fi
  k=$(awk -v s="$started" -v o="$offset" -v now="$(date +%s.%N)" \
    'BEGIN { k = int(now - s - o) + 1; print k }')
done

count=$(wc -l <"$samples")
((count > 0)) || give_up "no count text was read from the clock window"
awk '{ printf "  t %7.3f s  shown %3d s  shown - (set - elapsed) %+.3f s\n", $1, $2, $3 }' "$samples"
awk -v expected="$sampled" '{
    n++; sum += $3; abs = $3 < 0 ? -$3 : $3; sumabs += abs; if (abs > max) { max = abs; at = $1 }
    if (n == 1) first = $3; last = $3
  } END {
    printf "samples: %d of %d\n", n, expected
    printf "difference shown - (set - true elapsed): largest |%.3f| s (at %.1f s), mean %+.3f s, mean |%.3f| s\n", max, at, sum / n, sumabs / n
    printf "drift over the run (last - first sample): %+.3f s\n", last - first
  }' "$samples"
awk -v c0="$cpu_first" -v c1="$cpu_last" -v s0="${server_first:-0}" -v s1="${server_last:-0}" \
  -v w0="$wall_first" -v w1="$wall_last" 'BEGIN {
    minutes = (w1 - w0) / 60
    printf "CPU per minute of counting (%.1f s measured): Horalix.exe %.2f s, wineserver %.2f s\n", \
      minutes * 60, (c1 - c0) / minutes, (s1 - s0) / minutes
  }'
echo "(the probe's own reads, once a second, add to the wineserver's share)"
exit 0
