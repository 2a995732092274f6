#!/usr/bin/env bash
# Sets up a Debian machine for the calculator, builds it, and starts it or
# runs every test.
#
#   ./build.sh run [ARG...]   build on Qt 5 and start the calculator
#   ./build.sh test           build on Qt 5, on Qt 6 and on Qt 5 with address and
#                             undefined-behaviour sanitizers; run all tests on each
#
# Debian packages that are missing are installed with apt-get, through sudo
# when not run as root; nothing is installed when all are present.
set -euo pipefail
cd "$(dirname "$0")"

run_packages=(cmake g++ make qtbase5-dev)
test_packages=("${run_packages[@]}" qt6-base-dev xvfb python3-xlib desktop-file-utils dpkg-dev file)

install_missing() {
    local missing=() package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed' ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    echo "Installing ${missing[*]}"
    "${sudo[@]}" apt-get update
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
}

configure() {
    local dir=$1
    shift
    cmake -S . -B "build/$dir" -DCMAKE_COMPILE_WARNING_AS_ERROR=ON "$@"
}

build_and_test() {
    local dir=$1
    shift
    configure "$dir" "$@"
    cmake --build "build/$dir" --parallel "$(nproc)"
    ctest --test-dir "build/$dir" --output-on-failure
}

case "${1:-}" in
run)
    shift
    install_missing "${run_packages[@]}"
    configure qt5
    cmake --build build/qt5 --parallel "$(nproc)" --target lc-resonance
    exec build/qt5/lc-resonance "$@"
    ;;
test)
    install_missing "${test_packages[@]}"
    build_and_test qt5
    build_and_test qt6 -DCMAKE_DISABLE_FIND_PACKAGE_Qt5=ON
    build_and_test sanitize -DLC_SANITIZE=ON
    ;;
*)
    echo "usage: $0 run [ARG...] | test" >&2
    exit 2
    ;;
esac
