#!/usr/bin/env bash
# Runs a command on a desktop of its own: a private X server and a private
# session bus with the accessibility bus (at-spi2-core) running on it, as on
# a user's desktop. Qt programs started under
# it publish their accessibility tree there.
#   with_accessibility_bus.sh COMMAND [ARGUMENTS...]
# Exits 77 (skipped) when a program it needs is missing.
set -euo pipefail
source "$(dirname "$0")/../support/xdisplay.sh"
require_programs Xvfb dbus-daemon dbus-send /usr/libexec/at-spi-bus-launcher

scratch=$(mktemp -d)
server=
bus=
cleanup() {
  # The bus launcher and the registry it started end with their bus.
  [[ -n $bus ]] && kill "$bus" 2>/dev/null || true
  [[ -n $server ]] && kill "$server" 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT

# The bus daemon passes this environment to the accessibility bus it starts.
mkdir -m 700 "$scratch/runtime"
export XDG_RUNTIME_DIR=$scratch/runtime HOME=$scratch

start_private_display "$scratch"

exec 4>"$scratch/bus"
dbus-daemon --session --nofork --print-address=4 >"$scratch/bus.log" 2>&1 &
bus=$!
exec 4>&-
wait_until test -s "$scratch/bus" || fail "dbus-daemon did not start: $(cat "$scratch/bus.log")"

DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$scratch/bus")
export DBUS_SESSION_BUS_ADDRESS
# Asking for its address starts the accessibility bus; programs look for it
# when they start and publish nothing where it is not running.
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >"$scratch/a11y" 2>&1 ||
  { echo "the accessibility bus did not start: $(cat "$scratch/a11y")"; exit 1; }
export QT_QPA_PLATFORM=xcb
# Qt publishes its tree whether or not a screen reader has said it listens.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
"$@"
