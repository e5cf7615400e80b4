#!/usr/bin/env bash
# Installs the engine from BUILD_DIR into a fresh prefix, then builds and runs
# a separate game against it, found with find_package or with pkg-config.
# usage: consumer.sh find_package|pkg-config BUILD_DIR
set -euo pipefail
way=$1
build=$2
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d /tmp/korvane-consumer.XXXXXX)
trap 'rm -rf "$work"' EXIT

cmake --install "$build" --prefix "$work/prefix" --component engine >/dev/null
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
case $way in
find_package)
    cmake -S "$here" -B "$work/build" -DCMAKE_PREFIX_PATH="$work/prefix" >/dev/null
    cmake --build "$work/build" >/dev/null
    "$work/build/consumer"
    ;;
pkg-config)
    pc_dir=$(dirname "$(find "$work/prefix" -name korvane-engine.pc)")
    # shellcheck disable=SC2046 # pkg-config prints words to split
    c++ -std=c++17 -o "$work/consumer" "$here/consumer.cpp" $(PKG_CONFIG_PATH=$pc_dir pkg-config --cflags --libs korvane-engine)
    "$work/consumer"
    ;;
*)
    echo "usage: consumer.sh find_package|pkg-config BUILD_DIR" >&2
    exit 2
    ;;
esac
