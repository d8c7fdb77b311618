#!/usr/bin/env bash
# Runs the high-DPI end-to-end cases (HighDpiE2E.*) at one display scale: in a Wine
# prefix of their own whose LogPixels is that DPI, so every other test keeps 96 dpi, on a
# 3840 x 2160 Xvfb of their own.
#   high-dpi-e2e.sh DPI path/to/norvi_e2e_tests.exe
set -uo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
dpi="${1:?usage: high-dpi-e2e.sh DPI norvi_e2e_tests.exe}"
tests="${2:?usage: high-dpi-e2e.sh DPI norvi_e2e_tests.exe}"

base="${NORVI_WINEPREFIX:-$here/../build/wineprefix}"
export NORVI_WINEPREFIX="$base-dpi$dpi"
export WINEPREFIX="$NORVI_WINEPREFIX"

source "$here/xvfb.sh"
start_xvfb 3840x2160x24 || exit 1
# The prefix's processes hold the display: they end before the display goes.
trap 'timeout 30 wineserver -w 2>/dev/null; kill "$NORVI_XVFB_PID" 2>/dev/null || true' EXIT

# wine-run.sh makes the prefix ready the first time; the scale is read at Wine's start.
bash "$here/wine-run.sh" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null ||
    exit 1
timeout 60 wineserver -w

NORVI_E2E_DPI="$dpi" bash "$here/wine-run.sh" "$tests" --gtest_filter='HighDpiE2E.*' --gtest_color=no
