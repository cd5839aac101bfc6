#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it with a simulated
# device attached (the "busy" scenario). Closing the window, Ctrl+C or SIGTERM
# (kill PID) stops the program, the simulator and the virtual display alike.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/setup run

build=${BUILD_DIR:-build-release}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DGSM_BUILD_TESTS=OFF
cmake --build "$build" -j"$(nproc)" --target gsmgate gsmgate-sim

workdir=$(mktemp -d)
sim_pid=""
app_pid=""
# Stops a child started in its own process group (the program under xvfb-run
# is a group of its own: xvfb-run, Xvfb and the program) and waits for it.
stop() {
  local pid=$1
  [ -n "$pid" ] || return 0
  if kill -0 "$pid" 2>/dev/null; then
    kill -TERM -- "-$pid" 2>/dev/null || kill -TERM "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  fi
}
cleanup() {
  trap - EXIT INT TERM
  stop "$app_pid"
  stop "$sim_pid"
  rm -rf "$workdir"
}
trap cleanup EXIT
# Ctrl+C and SIGTERM end the script; its EXIT trap then stops everything.
trap 'exit 130' INT
trap 'exit 143' TERM

# Each child gets its own process group (job control), so stop() reaches
# all of it and a Ctrl+C in the terminal is handled here, once.
set -m
"$build/sim/gsmgate-sim" --pty --scenario busy >"$workdir/sim.out" 2>"$workdir/sim.err" &
sim_pid=$!

# The simulator prints its port as its first line once it is announced.
for _ in $(seq 1 100); do
  [ -s "$workdir/sim.out" ] && break
  kill -0 "$sim_pid" 2>/dev/null || { cat "$workdir/sim.err" >&2; exit 1; }
  sleep 0.05
done
if [ -s "$workdir/sim.out" ]; then
  echo "Simulated device on $(head -n 1 "$workdir/sim.out")"
else
  echo "The simulated device did not announce its port in 5 s; starting the program without it." >&2
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found; starting the program on a virtual display (xvfb-run)." >&2
  xvfb-run -a "$build/app/gsmgate" &
else
  "$build/app/gsmgate" &
fi
app_pid=$!
echo "Running. To stop: close the window, press Ctrl+C here, or run: kill $$"
# wait returns early when a trapped signal arrives; the trap then runs.
wait "$app_pid" || true
