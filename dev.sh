#!/usr/bin/env bash
# Sets up, builds and runs Brimley on Debian or Ubuntu.
#
#   ./dev.sh run    install what is missing, build, and start Brimley
#   ./dev.sh test   install what is missing, build, and run the whole test suite, once as a plain
#                   build and once built with AddressSanitizer and UndefinedBehaviorSanitizer
#
# Packages are installed with apt-get (through sudo when not run as root).
set -euo pipefail
cd "$(dirname "$0")"

# Build and runtime: compiler, CMake, Qt 6 Widgets with the image format plugins, Xlib for NumLock,
# Liberation fonts (metric twins of Arial and Times New Roman).
packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-image-formats-plugins libx11-dev fonts-liberation)
# Tests and benchmarks: a private X server, the tools that drive it, Google Benchmark, the formatter.
test_packages=(libbenchmark-dev xvfb xauth xdotool x11-utils x11-xkb-utils x11-xserver-utils dpkg-dev file
    clang-format)

install_missing() {
    local missing=()
    for package in "$@"; do
        dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null | grep -qx installed || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
}

build() { # build <folder> [cmake options...]
    local folder=$1
    shift
    cmake -S . -B "$folder" -G Ninja "$@"
    cmake --build "$folder"
}

jobs=$(nproc 2>/dev/null || echo 2)

case "${1:-}" in
run)
    install_missing "${packages[@]}"
    build build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRIMLEY_BUILD_TESTS=OFF -DBRIMLEY_BUILD_BENCHMARKS=OFF
    exec build/bin/brimley "${@:2}"
    ;;
test)
    install_missing "${packages[@]}" "${test_packages[@]}"
    # Every source file is in the format .clang-format describes.
    find src tests bench \( -name '*.cpp' -o -name '*.h' \) -print0 | xargs -0 clang-format --dry-run --Werror
    build build -DCMAKE_BUILD_TYPE=RelWithDebInfo
    (cd build && ctest --output-on-failure -j "$jobs")
    build build-sanitize -DCMAKE_BUILD_TYPE=Debug -DBRIMLEY_SANITIZE=ON -DBRIMLEY_BUILD_BENCHMARKS=OFF
    (cd build-sanitize && ctest --output-on-failure -j "$jobs")
    ;;
*)
    echo "usage: $0 run | test" >&2
    exit 2
    ;;
esac
