#!/usr/bin/env bash
# Installs the Debian packages that running (run), the headless tour (tour),
# testing (test) or benchmarking (bench) needs, and only those that are
# missing; does nothing when all are there.
set -euo pipefail

run_packages=(cmake make g++ pkg-config libsdl1.2-compat-dev)
tour_packages=("${run_packages[@]}" xvfb xdotool imagemagick)
bench_packages=("${run_packages[@]}" libbenchmark-dev xvfb gnuplot-nox)
test_packages=("${run_packages[@]}" libgtest-dev libbenchmark-dev clang-format xvfb xdotool imagemagick libx11-dev x11-utils valgrind strace dpkg-dev)

case "${1:-}" in
run) wanted=("${run_packages[@]}") ;;
test) wanted=("${test_packages[@]}") ;;
tour) wanted=("${tour_packages[@]}") ;;
bench) wanted=("${bench_packages[@]}") ;;
*)
    echo "usage: $0 run|tour|test|bench" >&2
    exit 2
    ;;
esac

missing=()
for package in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "installing ${missing[*]}"
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
