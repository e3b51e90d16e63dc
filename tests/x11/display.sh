# Sourced by the real-window tests: a virtual X display of their own, with or
# without a window manager, that goes away with the test.
#
#   . tests/x11/display.sh
#   x11_start 1280x1024 [openbox]     # sets DISPLAY; the display is removed on exit
#   x11_stop                          # ends it early (x11_start may follow again)
#
# Each display takes a free number of its own (-displayfd), so several tests run
# side by side.

x11_pids=()

x11_stop() {
    local pid
    for pid in "${x11_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${x11_pids[@]}"; do wait "$pid" 2>/dev/null || true; done
    x11_pids=()
    unset DISPLAY
}

x11_start() {
    local size=${1:?x11_start WxH [openbox]} wm=${2:-} fifo number
    fifo=$(mktemp -u "${TMPDIR:-/tmp}/zirimbo-x11.XXXXXX")
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset 3>"$fifo" >/dev/null 2>&1 &
    x11_pids+=($!)
    read -r -t 20 number <"$fifo" || number=
    rm -f "$fifo"
    if [ -z "$number" ]; then
        echo "x11_start: Xvfb did not start" >&2
        return 1
    fi
    export DISPLAY=":$number"
    if [ "$wm" = openbox ]; then
        openbox --sm-disable >/dev/null 2>&1 &
        x11_pids+=($!)
        # The window manager is up once it names itself on the root window.
        local i
        for i in $(seq 100); do
            xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
            sleep 0.05
        done
        echo "x11_start: openbox did not start" >&2
        return 1
    fi
}

trap x11_stop EXIT
