# shellcheck shell=bash
# The mouse on the program's windows, as xdotool moves it.

# Moving the pointer onto the time-up prompt's "关闭", without a click, closes the prompt and its
# backdrop, and the program goes on. (Wine without a window manager takes up to two seconds to
# take the full-screen backdrop off the screen, and the prompt goes after it.)
test_hovering_over_the_time_up_prompts_close_text_closes_it() {
  reg_clear
  start_run_from_tray "$dist" 111111010100011111111111111100101 '1060604\65280' '\16711680' \
    00:00:06 100100010 || return 1
  # The tray menu opened where the prompt will stand: the pointer waits in a corner.
  xdotool mousemove 5 5
  wait_until 20 has_prompt || { fail "no time-up prompt: $(program_windows | grep '^1')"; return 1; }
  sleep 1
  has_prompt || { fail "the prompt closed before the pointer came"; return 1; }
  local close
  close=$(child_windows | awk -F'\t' '$3 == "关闭" { split($4, r, ","); print int((r[1] + r[3]) / 2), int((r[2] + r[4]) / 2); exit }')
  [[ -n $close ]] || { fail "the prompt has no \"关闭\""; return 1; }
  xdotool mousemove $close
  wait_until 5 has_no_prompt || { fail "the prompt stayed with the pointer over \"关闭\""; return 1; }
  wait_until 5 has_no_backdrop || { fail "the backdrop stayed after the prompt"; return 1; }
  has_program_pid || { fail "the program ended with the prompt"; return 1; }
}
