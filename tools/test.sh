#!/usr/bin/env bash
# Sets up everything and runs all of Norvi's tests: native unit tests (fake platform),
# then the Windows tests and the end-to-end tests of norvi.exe under Wine on Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh

echo "== native build and unit tests"
cmake --preset native >/dev/null
cmake --build --preset native -j2
ctest --preset native -j2

echo "== Windows build (MinGW-w64)"
cmake --preset windows >/dev/null
cmake --build --preset windows -j2

echo "== Windows tests and end-to-end tests under Wine"
source tools/xvfb.sh
if [ -z "${DISPLAY:-}" ] || [ -n "${CI:-}" ]; then start_xvfb 1920x1080x24; fi
export NORVI_WINEPREFIX="${NORVI_WINEPREFIX:-$PWD/build/wineprefix}"
ctest --preset windows
