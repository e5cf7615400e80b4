#!/usr/bin/env bash
# Remakes docs/intro.png and docs/menu.png from the real program in a real
# window under Xvfb. Build first (./test or ./run).
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
echo "wrote docs/intro.png and docs/menu.png"
