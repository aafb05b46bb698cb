#!/usr/bin/env bash
# Sets everything up, starts the demo service and opens Lyravox pointed at it.
# The service stops when the client ends.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${LYRAVOX_BUILD:-$top/build}
port=${LYRAVOX_PORT:-8930}

"$top/scripts/install-deps.sh"
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target lyravox lyravox-service program_data

"$build/lyravox-service" --port "$port" --log "$build/service.log" >/dev/null &
service_pid=$!
client_pid=""
stop_all() {
  [ -z "$client_pid" ] || kill "$client_pid" 2>/dev/null || true
  kill "$service_pid" 2>/dev/null || true
  wait 2>/dev/null || true
}
trap stop_all EXIT
trap 'exit 130' INT TERM
for _ in $(seq 50); do
  curl -s -o /dev/null "http://127.0.0.1:$port/update.htm" && break
  sleep 0.1
done

"$build/Lyravox/lyravox" --site-url "http://127.0.0.1:$port/" "$@" &
client_pid=$!
wait "$client_pid"
