#!/usr/bin/env bash
# Installs what is missing, builds the release build and starts Zumeo on the
# drawing given, or on the sample drawing.
set -euo pipefail
cd "$(dirname "$0")"

bash scripts/install-deps.sh

build=build
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build"

exec "$build/bin/zumeo" "${1:-samples/sample.dxf}"
