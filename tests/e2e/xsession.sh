# Drives the real program in a real X window under Xvfb. Sourced by the
# end-to-end tests and by tools that take screenshots.
#
# Needs KORVANE (the program) and PICTURES (the folder it runs in); the close
# request comes from CLOSE_WINDOW (tests/e2e/close_window.cpp).

# No GL stack: the window is drawn in software.
export SDL_RENDER_DRIVER=software SDL_FRAMEBUFFER_ACCELERATION=0
unset SDL_VIDEODRIVER

session_dir=$(mktemp -d /tmp/korvane-x.XXXXXX)
xvfb_pid=""
korvane_pid=""
window=""

end_session() {
    [ -n "$korvane_pid" ] && kill "$korvane_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$session_dir"
}
trap end_session EXIT

start_xvfb() {
    exec 3>"$session_dir/display"
    Xvfb -displayfd 3 -screen 0 800x600x24 -noreset -nolisten tcp >"$session_dir/xvfb.log" 2>&1 &
    xvfb_pid=$!
    exec 3>&-
    for _ in $(seq 100); do
        [ -s "$session_dir/display" ] && break
        sleep 0.05
    done
    [ -s "$session_dir/display" ] || { echo "Xvfb did not start" >&2; cat "$session_dir/xvfb.log" >&2; return 1; }
    export DISPLAY=":$(cat "$session_dir/display")"
}

# start_korvane [ARG...]: starts the program in PICTURES (under RUN_UNDER, a
# command prefix, if set) and waits for its window, named WINDOW_NAME.
start_korvane() {
    # shellcheck disable=SC2086 # RUN_UNDER is a command and its words
    (cd "$PICTURES" && exec ${RUN_UNDER:-} "$KORVANE" "$@") 2>"$session_dir/stderr" &
    korvane_pid=$!
    window=$(timeout 10 xdotool search --sync --onlyvisible --name "${WINDOW_NAME:-^Korvane v1\.0\$}" | head -n 1) || true
    [ -n "$window" ] || { echo "no window appeared" >&2; cat "$session_dir/stderr" >&2; return 1; }
    xdotool windowfocus --sync "$window"
}

# shows PICTURE.bmp: waits up to 3 s for the window to show exactly that picture
# (compared at RGB565 precision, which the window and the picture share).
shows() {
    convert "$1" "$session_dir/expected.png"
    local differing
    for _ in $(seq 30); do
        import -window "$window" "$session_dir/shot.png" 2>/dev/null &&
            differing=$(compare -metric AE -fuzz 2% "$session_dir/shot.png" "$session_dir/expected.png" null: 2>&1) &&
            [ "$differing" = 0 ] && return 0
        sleep 0.1
    done
    echo "the window does not show $1 ($differing pixels differ)" >&2
    return 1
}

# screenshot FILE: saves what the window shows now.
screenshot() { import -window "$window" "$1"; }

press() { xdotool key "$1"; }

request_close() { "$CLOSE_WINDOW" "$window"; }

# exits_with STATUS: waits up to 5 s for the program to end with that status.
exits_with() {
    local status=0
    for _ in $(seq 50); do
        kill -0 "$korvane_pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$korvane_pid" 2>/dev/null; then
        echo "the program is still running" >&2
        return 1
    fi
    wait "$korvane_pid" || status=$?
    korvane_pid=""
    [ "$status" = "$1" ] || { echo "exit status $status, expected $1" >&2; return 1; }
}
