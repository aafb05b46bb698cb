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
trap 'kill "$service_pid" 2>/dev/null || true; wait "$service_pid" 2>/dev/null || true' EXIT
for _ in $(seq 50); do
  curl -s -o /dev/null "http://127.0.0.1:$port/update.htm" && break
  sleep 0.1
done

"$build/Lyravox/lyravox" --site-url "http://127.0.0.1:$port/" "$@"
