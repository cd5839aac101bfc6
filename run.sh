#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it with a simulated
# device attached (the "busy" scenario). The simulator stops when the program exits.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/setup

build=${BUILD_DIR:-build-release}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DGSM_BUILD_TESTS=OFF
cmake --build "$build" -j"$(nproc)" --target gsmgate gsmgate-sim

workdir=$(mktemp -d)
sim_pid=""
cleanup() {
  if [ -n "$sim_pid" ] && kill -0 "$sim_pid" 2>/dev/null; then
    kill -TERM "$sim_pid" 2>/dev/null || true
    wait "$sim_pid" 2>/dev/null || true
  fi
  rm -rf "$workdir"
}
trap cleanup EXIT

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
  xvfb-run -a "$build/app/gsmgate"
else
  "$build/app/gsmgate"
fi
