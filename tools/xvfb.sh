# Sourced by the run and test scripts: start_xvfb starts a private X server on a free
# display (Xvfb picks it), exports DISPLAY and stops the server when the script exits.
start_xvfb() {
    local size="${1:-1920x1080x24}"
    local fdfile
    fdfile=$(mktemp)
    Xvfb -displayfd 3 -screen 0 "$size" -nolisten tcp 3>"$fdfile" >/dev/null 2>&1 &
    NORVI_XVFB_PID=$!
    for _ in $(seq 1 100); do
        [ -s "$fdfile" ] && break
        sleep 0.1
    done
    if [ ! -s "$fdfile" ]; then
        echo "Xvfb did not start" >&2
        return 1
    fi
    export DISPLAY=":$(head -n1 "$fdfile")"
    rm -f "$fdfile"
    trap 'kill "$NORVI_XVFB_PID" 2>/dev/null || true' EXIT
}
