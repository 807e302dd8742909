# Shell helpers for tests that run the program on a private X server.
# Source it, then call start_private_display with a scratch folder; the caller
# kills "$server" when it is done.

# Exits 77 (skipped) when one of the programs is missing.
require_programs() {
  local tool
  for tool in "$@"; do
    if ! command -v "$tool" >/dev/null; then
      echo "skipped: $tool is missing (tools/install-packages installs it)"
      exit 77
    fi
  done
}

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Waits up to twenty seconds for a command to succeed.
wait_until() {
  for _ in $(seq 200); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

# Starts Xvfb on a free display, sets DISPLAY and leaves its process in $server.
start_private_display() { # scratch folder
  exec 3>"$1/display"
  Xvfb -displayfd 3 -ac -noreset -nolisten tcp -screen 0 1024x768x24 >"$1/xvfb.log" 2>&1 &
  server=$!
  exec 3>&-
  for _ in $(seq 100); do
    [[ -s $1/display ]] && break
    sleep 0.1
  done
  [[ -s $1/display ]] || fail "Xvfb did not start: $(cat "$1/xvfb.log")"
  export DISPLAY=:$(cat "$1/display")
}
