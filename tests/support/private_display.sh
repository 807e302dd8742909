# Shell helpers for the tests that start servers of their own; sourced, not run.

# Waits up to ten seconds for FILE to hold something.
wait_for_content() {
  for _ in $(seq 100); do
    [[ -s $1 ]] && return 0
    sleep 0.1
  done
  return 1
}

# Starts a private X server that keeps its log and display number in FOLDER,
# sets xvfb_pid to its process and exports DISPLAY; fails, saying why, when the
# server does not start.
start_private_display() {
  local folder=$1
  exec 3>"$folder/display"
  Xvfb -displayfd 3 -ac -noreset -nolisten tcp -screen 0 1024x768x24 >"$folder/xvfb.log" 2>&1 &
  xvfb_pid=$!
  exec 3>&-
  wait_for_content "$folder/display" || { echo "Xvfb did not start: $(cat "$folder/xvfb.log")" >&2; return 1; }
  DISPLAY=:$(cat "$folder/display")
  export DISPLAY
}
