#!/usr/bin/env bash
# Makes the Debian package from BUILD_DIR, installs it on this machine, runs
# the installed command under Xvfb until its window shows the intro, ends it
# with ESCAPE, and removes the package again.
# usage: package.sh BUILD_DIR
set -euo pipefail
build=$1
export KORVANE=/usr/bin/korvane PICTURES=/
source "$(dirname "$0")/../e2e/xsession.sh"

as_root=()
if [ "$(id -u)" -ne 0 ]; then
    sudo -n true 2>/dev/null || { echo "skipped: installing a package needs root or sudo"; exit 77; }
    as_root=(sudo -n)
fi
if dpkg-query -W -f='${Status}' korvane 2>/dev/null | grep -q 'install ok installed'; then
    echo "skipped: a korvane package is installed already, and this test would remove it"
    exit 77
fi

(cd "$build" && cpack -G DEB -B "$session_dir/package" >/dev/null)
deb=$(ls "$session_dir"/package/korvane_*.deb)
dpkg-deb -f "$deb" Depends | grep -q libsdl1.2-compat || { echo "the package does not depend on SDL" >&2; exit 1; }

remove_package() { "${as_root[@]}" apt-get remove -y -qq korvane >/dev/null; }
trap 'remove_package; end_session' EXIT
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq "$deb" >/dev/null

start_xvfb
start_korvane
shows /usr/share/korvane/intro.bmp
press Escape
exits_with 0
echo "package: installed, ran and removed"
