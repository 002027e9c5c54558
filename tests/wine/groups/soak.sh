# Wine tests: Back-to-back runs for minutes: handles, windows and memory stay flat.
# Sourced by tests/wine/run.sh; the helpers are in tests/wine/lib.sh.

# Private memory of the program's Linux process in kB (its own pages, clean and dirty).
private_kb() {
  local pid
  pid=$(pgrep -P "$program_job" | head -n 1)
  awk '/^Private_(Clean|Dirty):/ { kb += $2 } END { print kb + 0 }' "/proc/$pid/smaps_rollup" 2>/dev/null
}

# Whether the program's Linux process is still there: asked of Linux rather than of the Windows
# probe, which can time out on a loaded machine and so report a running program as ended.
program_process_alive() { pgrep -P "$program_job" >/dev/null; }

# soak_part <name> <seconds> <optvalue> <restart: yes|no>: one program runs 5-second runs with
# reminders at 4, 3 and 1 seconds left, the prompt bar at each of them and at zero, two seconds
# of overtime where the action counts on, and the time-up prompt at each end, which is closed
# by its button. With restart, a run that has ended is started again from the tray menu. Every
# few seconds the program's kernel handles, windows and private memory are sampled; after a
# warm-up, the mean handles and windows of the last third of the samples may exceed those of the
# first third by at most 8 and 2, and the least private memory of the second half that of the
# first half by at most 4 MB or 5 %.
soak_part() {
  local name=$1 seconds=$2 optvalue=$3 restart=$4
  local samples=$work/soak-$name.txt every=$((seconds >= 600 ? 30 : 5))
  program_limit=$((seconds + 120))
  local folder=$work/soak-folder
  rm -rf "$folder"
  cp -r "$dist" "$folder"
  sed -i 's/^\[Hotkey\]$/[Hotkey]\nprocessColor=16\nprocessvalue=1/' "$folder/TimeData.db"
  run_numbers="Time_one:4 Time_two:3 Time_three:1 time_end:2 tellShowtime:2 time_left:0" \
    start_run_from_tray "$folder" 111111010100011111111111111100101 '1060604\65280' '\0' \
    00:00:05 "$optvalue" || return 1
  local started=$SECONDS next_sample=$SECONDS next_restart=$((SECONDS + 12)) prompts=0 restarts=0
  : >"$samples"
  while ((SECONDS - started < seconds)); do
    program_process_alive || { fail "$name: the program ended after $((SECONDS - started)) s"; return 1; }
    close_time_up_prompt && prompts=$((prompts + 1))
    if [[ $restart == yes ]] && ((SECONDS >= next_restart)) && ! has_prompt; then
      right_click_tray
      if wait_until 3 has_popup_menu; then
        xdotool key Down Return
        restarts=$((restarts + 1))
      fi
      sleep 0.3
      has_popup_menu && xdotool key Escape
      next_restart=$((SECONDS + 10))
    fi
    # Samples are taken while no time-up prompt shows: it and its backdrop are windows of their
    # own for as long as they show.
    if ((SECONDS >= next_sample)) && ! has_prompt; then
      echo "$((SECONDS - started)) $(on_wine 20 "$probe" usage "$program_pid") $(private_kb)" >>"$samples"
      next_sample=$((SECONDS + every))
    fi
    sleep 1
  done
  program_limit=
  # Columns: seconds, handles, windows, private kB. The first quarter is warm-up.
  awk -v name="$name" -v prompts="$prompts" -v restarts="$restarts" '
    BEGIN { n = 0 }
    NF == 4 { t[n] = $1; h[n] = $2; w[n] = $3; m[n] = $4; n++ }
    END {
      start = int(n / 4); k = int((n - start) / 3)
      if (k < 1) { print "  " name ": too few samples (" n ")"; exit 1 }
      for (i = 0; i < k; i++) {
        h1 += h[start + i]; w1 += w[start + i]
        h2 += h[n - k + i]; w2 += w[n - k + i]
      }
      h1 /= k; w1 /= k; h2 /= k; w2 /= k
      # Memory swings by several MB within a run (the prompt bar, the time-up prompt and its
      # backdrop come and go), so a single sample says little. What a leak raises is the floor
      # the swings return to: the least of each half is compared.
      half = start + int((n - start) / 2); m1 = m[start]; m2 = m[half]
      for (i = start; i < half; i++) if (m[i] < m1) m1 = m[i]
      for (i = half; i < n; i++) if (m[i] < m2) m2 = m[i]
      printf "  soak %s: %d s, %d time-up prompts closed, %d restarts; handles %.1f -> %.1f, windows %.1f -> %.1f, least private memory %.0f -> %.0f kB (%d samples)\n", \
        name, t[n - 1], prompts, restarts, h1, h2, w1, w2, m1, m2, n
      limit = m1 * 0.05; if (limit < 4096) limit = 4096
      bad = 0
      if (h2 - h1 > 8) { print "  FAIL: " name ": handles grow"; bad = 1 }
      if (w2 - w1 > 2) { print "  FAIL: " name ": windows grow"; bad = 1 }
      if (m2 - m1 > limit) { print "  FAIL: " name ": private memory grows"; bad = 1 }
      if (prompts < 1) { print "  FAIL: " name ": no run reached its time-up prompt"; bad = 1 }
      exit bad
    }' "$samples"
}

# Back-to-back runs for HORALIX_SOAK_SECONDS in three parts, one program each: cycling runs
# (the same timer again at every end, after two seconds of overtime), runs that stop at zero,
# and runs that count on in overtime until the overtime ends; the last two are started again
# from the tray menu. Handles, windows and private memory stay flat in each.
test_soak_back_to_back_runs_hold_handles_windows_and_memory_flat() {
  local total=${HORALIX_SOAK_SECONDS:-150} status=0
  reg_clear
  soak_part cycle $((total / 2)) 100100001 no || status=1
  end_wine
  reg_clear
  soak_part stop $((total / 4)) 100100010 yes || status=1
  end_wine
  reg_clear
  soak_part overtime $((total / 4)) 100100100 yes || status=1
  return $status
}
