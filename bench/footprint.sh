#!/usr/bin/env bash
# Norvi's footprint in one run, under Wine on Xvfb, beside a minimal Win32 program run the
# same way (bench/minimal.cpp): private memory (Private_Clean + Private_Dirty of the Wine
# process in /proc/PID/smaps_rollup) and RSS after start-up and after 20 cues at 1920x1080
# and 3840x2160, the size of norvi.exe, the paint time per cue at both sizes, and the time
# from a key press to the first changed pixel. Figures for people, never a verdict.
#   bash bench/footprint.sh            (builds what it needs in build/windows)
#   NORVI_BENCH_BASELINE=other/norvi.exe bash bench/footprint.sh   also measures that build
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/windows
cmake --build "$build" --target norvi minimal key_to_pixels norvi_watermark_bench -j2 >/dev/null
probe="$build/bench/key_to_pixels.exe"

# The Linux process of a running Windows program, by its file name, in this run's prefix
# (other Wine prefixes on the machine may run programs of the same name).
pid_of() {
    local p
    for p in $(pgrep -f "$1"); do
        [ "$(cat /proc/"$p"/comm 2>/dev/null)" = "$1" ] || continue
        tr '\0' '\n' </proc/"$p"/environ 2>/dev/null | grep -qx "WINEPREFIX=$NORVI_WINEPREFIX" || continue
        echo "$p"
    done | tail -n1
}
# "private KiB, RSS KiB" of a process.
memory_of() {
    awk '/^Private_(Clean|Dirty):/ {p += $2} /^Rss:/ {r = $2} END {printf "private %6.1f MiB  RSS %6.1f MiB", p/1024, r/1024}' \
        /proc/"$1"/smaps_rollup
}
# Waits until a program of that name runs and its window class exists; prints its pid.
start_program() {
    local exe="$1" name="$2" class="$3"
    tools/wine-run.sh "$exe" >/dev/null 2>&1 &
    tools/wine-run.sh "$probe" wait "$class" >/dev/null
    pid_of "$name"
}

# Norvi from its defaults: memory after start-up and after 20 cues, then the latency.
measure_norvi() {
    local exe="$1" label="$2" pid
    rm -f "$NORVI_WINEPREFIX"/drive_c/users/*/AppData/Local/norvi/norvi.cfg
    pid=$(start_program "$exe" norvi.exe TfloatTXT)
    [ -n "$pid" ] || { echo "$exe did not start" >&2; exit 1; }
    sleep 4  # the start-up watermark has been shown and wiped
    echo "$label after start-up:              $(memory_of "$pid")"
    tools/wine-run.sh "$probe" cues 20
    sleep 0.5
    echo "$label after 20 cues (last shown):  $(memory_of "$pid")"
    sleep 2.5
    echo "$label after 20 cues, wiped:        $(memory_of "$pid")"
    echo "$label $(tools/wine-run.sh "$probe" latency 20)"
    [ -n "${NORVI_BENCH_KEEP_MAPS:-}" ] && cp /proc/"$pid"/smaps "build/$label-$size.smaps"
    tools/wine-run.sh "$probe" close Tmainform || kill "$pid"
    wineserver -w
}

source tools/xvfb.sh
for size in 1920x1080 3840x2160; do
    start_xvfb "${size}x24"
    # One prefix per display size: Wine keeps the display's geometry for its prefix.
    export NORVI_WINEPREFIX="$PWD/build/wineprefix-bench-$size"
    tools/wine-run.sh cmd /c exit >/dev/null 2>&1 || true
    rm -f "$NORVI_WINEPREFIX"/drive_c/users/*/AppData/Local/norvi/norvi.cfg

    echo "== $size"
    pid=$(start_program "$build/bench/minimal.exe" minimal.exe NorviMinimalStrip)
    sleep 3
    echo "minimal program after start-up:  $(memory_of "$pid")"
    tools/wine-run.sh "$probe" cues 20
    sleep 1
    echo "minimal program after 20 cues:   $(memory_of "$pid")"
    tools/wine-run.sh "$probe" close NorviMinimalStrip || kill "$pid"

    measure_norvi "$build/norvi.exe" "Norvi"
    # Another build beside it in the same run, for ratios on a busy machine.
    if [ -n "${NORVI_BENCH_BASELINE:-}" ]; then
        mkdir -p build/bench-baseline && cp "$NORVI_BENCH_BASELINE" build/bench-baseline/norvi.exe
        measure_norvi build/bench-baseline/norvi.exe "baseline"
    fi
    tools/wine-run.sh "$build/bench/norvi_watermark_bench.exe" 2>/dev/null | grep -E "per cue|cue incl" || true
    wineserver -w
    kill "$NORVI_XVFB_PID" 2>/dev/null || true
    wait "$NORVI_XVFB_PID" 2>/dev/null || true
done
echo "== norvi.exe: $(stat -c %s "$build/norvi.exe") bytes ($(awk -v b="$(stat -c %s "$build/norvi.exe")" 'BEGIN {printf "%.2f", b/1048576}') MiB)"
