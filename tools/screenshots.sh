#!/usr/bin/env bash
# Remakes docs/intro.png and docs/menu.png from the real program, and
# docs/pause-example.png from the example game, in real windows under Xvfb.
# Build first (./test).
set -euo pipefail
cd "$(dirname "$0")/.."
export KORVANE=$PWD/build/src/korvane PICTURES=$PWD/data
source tests/e2e/xsession.sh

start_xvfb
start_korvane
shows data/intro.bmp
screenshot docs/intro.png
press space
shows data/menu.bmp
screenshot docs/menu.png
press Escape
press Escape
exits_with 0

KORVANE=$PWD/build/examples/pause/pause_example WINDOW_NAME='^Korvane pause example$'
start_korvane
sleep 1.5 # let the box travel
press p
sleep 0.5
screenshot docs/pause-example.png
press Escape
exits_with 0
echo "wrote docs/intro.png, docs/menu.png and docs/pause-example.png"
