#!/usr/bin/env bash
# The real program in a real X window, driven by real key presses and close
# requests and checked by screenshots.
# usage: e2e.sh SCENARIO KORVANE CLOSE_WINDOW PICTURES
set -euo pipefail
scenario=$1
export KORVANE=$2 CLOSE_WINDOW=$3 PICTURES=$4
source "$(dirname "$0")/xsession.sh"

intro=$PICTURES/intro.bmp
menu=$PICTURES/menu.bmp

# Intro, SPACE to the menu, ESCAPE back, ESCAPE to end with status 0.
run_through_both_screens() {
    start_xvfb
    start_korvane
    shows "$intro"
    press space
    shows "$menu"
    press Escape
    shows "$intro"
    press Escape
    exits_with 0
}

case $scenario in
keys)
    run_through_both_screens
    ;;
close-on-intro)
    start_xvfb
    start_korvane --help -x "any words" # the command line is ignored
    shows "$intro"
    request_close
    exits_with 0
    ;;
close-on-menu)
    start_xvfb
    start_korvane
    press space
    shows "$menu"
    request_close
    exits_with 0
    ;;
touches-only-its-pictures)
    # Outside the system's folders, a whole run opens only its two pictures,
    # writes nothing and opens no network socket. The libraries under SDL
    # (sound, input) keep per-user state in the home and runtime folders, so
    # both are fresh here and left out of the count.
    export HOME=$session_dir/home XDG_RUNTIME_DIR=$session_dir/runtime
    mkdir -m 700 "$HOME" "$XDG_RUNTIME_DIR"
    trace=$session_dir/trace
    RUN_UNDER="strace -f -qq -o $trace -e trace=open,openat,creat,socket,mkdir,mkdirat,unlink,unlinkat,rename,renameat,renameat2,truncate"
    run_through_both_screens
    system='^(/usr/|/lib|/etc/|/proc/|/sys/|/dev/|/run/|/var/(lib|run|cache)/|/tmp/\.X11-unix/)'
    opened=$(grep -oE '(open|openat|creat)\([^"]*"[^"]*"' "$trace" | sed -E 's/.*"([^"]*)"$/\1/' |
        grep -vE "$system" | grep -vF -e "$HOME/" -e "$XDG_RUNTIME_DIR/" | sort -u | tr '\n' ' ')
    [ "$opened" = "intro.bmp menu.bmp " ] || { echo "opened: $opened" >&2; exit 1; }
    writes=$(grep -E 'O_WRONLY|O_RDWR|O_CREAT|O_TRUNC|creat\(|mkdir|unlink|rename|truncate' "$trace" |
        grep -v ' = -1 ' | grep -vE '"/dev/' | grep -vF -e "\"$HOME/" -e "\"$XDG_RUNTIME_DIR/" || true)
    [ -z "$writes" ] || { echo "wrote: $writes" >&2; exit 1; }
    network=$(grep -E 'socket\(AF_INET6?,' "$trace" || true)
    [ -z "$network" ] || { echo "network: $network" >&2; exit 1; }
    ;;
no-display)
    # A run that cannot open a window says so and ends at once, rather than
    # spinning with nothing to show.
    unset DISPLAY WAYLAND_DISPLAY
    status=0
    (cd "$PICTURES" && exec timeout 5 "$KORVANE") 2>"$session_dir/stderr" || status=$?
    # SDL may write notes of its own there; the program writes one line.
    message=$(grep '^korvane:' "$session_dir/stderr" || true)
    [ "$status" = 1 ] || { echo "exit status $status, expected 1" >&2; exit 1; }
    [[ $message == "korvane: cannot open a window: "* && $message != *$'\n'* ]] ||
        { echo "unexpected message: $(cat "$session_dir/stderr")" >&2; exit 1; }
    ;;
tour)
    # The headless tour, as a newcomer on a server would run it.
    shots=$session_dir/tour
    # Given relative paths, as ./run --tour gives them.
    tour=$(realpath "$(dirname "$0")/../../tools/tour.sh")
    (cd "$PICTURES/.." && env -u DISPLAY -u WAYLAND_DISPLAY "$tour" \
        "$(realpath --relative-to=. "$KORVANE")" "$(basename "$PICTURES")" "$shots")
    for shot in 1-intro 2-menu 3-intro-again; do
        [ "$(identify -format '%wx%h' "$shots/$shot.png")" = 480x272 ] || { echo "no screenshot $shot" >&2; exit 1; }
    done
    ;;
*)
    echo "unknown scenario $scenario" >&2
    exit 2
    ;;
esac
echo "$scenario: ok"
