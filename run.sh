#!/usr/bin/env bash
# Installs what is missing, builds the release build and starts Zumeo on the
# drawing given, or on the sample drawing.
set -euo pipefail
# A drawing named relative to where the command was given.
drawing=""
if [ $# -gt 0 ]; then
  drawing="$(realpath -m -- "$1")"
fi
cd "$(dirname "$0")"

bash scripts/install-deps.sh

build=build
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build"

exec "$build/bin/zumeo" "${drawing:-$PWD/samples/sample.dxf}"
