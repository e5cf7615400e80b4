#!/usr/bin/env bash
# Shows the program working on a machine with no display: starts it in an X
# server of its own (Xvfb), presses SPACE, ESCAPE and ESCAPE, saves a
# screenshot of each screen and reports how the program ended.
# usage: tour.sh KORVANE PICTURE_FOLDER SCREENSHOT_FOLDER
set -euo pipefail
export KORVANE=$(realpath "$1") PICTURES=$(realpath "$2")
shots=$3
source "$(dirname "$0")/../tests/e2e/xsession.sh"
mkdir -p "$shots"

start_xvfb
echo "started an X server of its own (Xvfb, display $DISPLAY)"
start_korvane
shows "$PICTURES/intro.bmp"
screenshot "$shots/1-intro.png"
echo "the intro screen shows:        $shots/1-intro.png"
press space
shows "$PICTURES/menu.bmp"
screenshot "$shots/2-menu.png"
echo "SPACE: the menu screen shows:  $shots/2-menu.png"
press Escape
shows "$PICTURES/intro.bmp"
screenshot "$shots/3-intro-again.png"
echo "ESCAPE: back on the intro:     $shots/3-intro-again.png"
press Escape
exits_with 0
echo "ESCAPE: the program ended with exit status 0"
