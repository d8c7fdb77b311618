#!/usr/bin/env bash
# Measures what an idle Norvi costs under Wine: CPU time used over a minute of polling
# and the resident and private memory of the norvi.exe process. A measurement, not a test.
#   tools/bench-idle.sh [seconds]     (needs a built build/windows/norvi.exe)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
source tools/xvfb.sh
start_xvfb 1920x1080x24
export NORVI_WINEPREFIX="${NORVI_WINEPREFIX:-$PWD/build/wineprefix-bench}"
exe="${NORVI_EXE:-build/windows/norvi.exe}"
tools/wine-run.sh "$exe" &
sleep 8
pid=$(pgrep -f 'norvi.exe' | while read -r p; do
    [ "$(cat /proc/"$p"/comm 2>/dev/null)" = "norvi.exe" ] && echo "$p"; done | head -n1)
[ -n "$pid" ] || { echo "norvi.exe not found" >&2; exit 1; }
ticks=$(getconf CLK_TCK)
cpu() { awk '{print $14 + $15}' /proc/"$pid"/stat; }
before=$(cpu)
sleep "$seconds"
after=$(cpu)
rss=$(awk '/VmRSS/ {print $2}' /proc/"$pid"/status)
private=$(awk '/^Private/ {s += $2} END {print s}' /proc/"$pid"/smaps_rollup 2>/dev/null || echo "?")
echo "idle CPU: $(( (after - before) * 1000 / ticks )) ms of CPU time in ${seconds} s ($(awk -v t=$((after-before)) -v s="$seconds" -v k="$ticks" 'BEGIN{printf "%.3f", 100*t/k/s}') %)"
echo "memory: resident ${rss} KiB, private ${private} KiB (Wine process, includes Wine's own libraries)"
tools/wine-run.sh "${NORVI_DRIVER:-build/windows/tests/e2e/norvi-driver.exe}" close Tmainform || kill "$pid"
wait || true
