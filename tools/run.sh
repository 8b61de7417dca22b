#!/usr/bin/env bash
# Sets QCM up (tools/setup.sh), then starts it from the build folder.  With no
# instrument attached (USB product identifier 5730) and QCM_SERIAL_PORT unset,
# the bundled instrument emulator stands in, so you can measure at once.
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
build="$here/build"
"$here/tools/setup.sh" "$build"

instrument_attached() {
  local f
  for f in /sys/bus/usb/devices/*/idProduct; do
    [ -r "$f" ] && [ "$(cat "$f")" = "5730" ] && return 0
  done
  return 1
}

emulator_pid=""
cleanup() { [ -n "$emulator_pid" ] && kill "$emulator_pid" 2>/dev/null || true; }
trap cleanup EXIT

if [ -z "${QCM_SERIAL_PORT:-}" ] && ! instrument_attached; then
  log=$(mktemp)
  "$build/qcm-emulator" >"$log" 2>&1 &
  emulator_pid=$!
  port=""
  for _ in $(seq 50); do
    port=$(head -n 1 "$log")
    [ -n "$port" ] && break
    sleep 0.1
  done
  [ -n "$port" ] || { echo "The instrument emulator did not start: $(cat "$log")" >&2; exit 1; }
  export QCM_SERIAL_PORT="$port"
  echo "No instrument found: QCM talks to the instrument emulator on $port."
fi

# Started from where the user stands, so a file named on the command line is
# found relative to it; the program finds its pictures beside itself.
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display found; set DISPLAY (or QT_QPA_PLATFORM=offscreen to run without one)." >&2
  exit 1
fi
"$build/qcm" "$@"
