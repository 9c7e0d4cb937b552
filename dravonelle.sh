#!/usr/bin/env bash
# One entry point for a fresh Debian 12 machine:
#   ./dravonelle.sh play   installs what is missing, builds, starts the game
#   ./dravonelle.sh test   installs what is missing, builds, runs every test
set -euo pipefail
cd "$(dirname "$0")"

# What playing needs: the compiler, CMake, Qt 6 and the fonts the window is
# laid out for.
play_packages=(g++ cmake ninja-build pkg-config qt6-base-dev qt6-multimedia-dev libgl1-mesa-dev libxcb-randr0-dev
               fonts-liberation)
# What the tests add: GoogleTest, Google Benchmark, the X server and hands
# for the window tests, the screen reader's view (a private session bus, the
# AT-SPI bus and pyatspi), the validators of the installed desktop files, and
# clang's sanitizers and fuzzer.
test_packages=(libgtest-dev libgmock-dev libbenchmark-dev
               xvfb xdotool imagemagick x11-utils python3 desktop-file-utils appstream
               dbus-daemon at-spi2-core python3-pyatspi
               clang libclang-rt-14-dev)

install_missing() {  # install_missing PACKAGE...
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo=sudo
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
}

jobs=$(nproc)

build() {  # build DIR [cmake options…]
  local dir=$1; shift
  cmake -S . -B "$dir" -G Ninja "$@" > /dev/null
  cmake --build "$dir" -j "$jobs"
}

case "${1:-play}" in
  play)
    install_missing "${play_packages[@]}"
    build build -DBUILD_TESTING=OFF
    exec ./build/dravonelle
    ;;
  test)
    install_missing "${play_packages[@]}" "${test_packages[@]}"
    build build -DBUILD_TESTING=ON -DDRAVONELLE_WERROR=ON
    # Every test, among them the installed tree (install.files) and the
    # installed game's window (window.test_installed), each in a prefix of
    # its own.
    (cd build && ctest --output-on-failure -j "$jobs")
    # The same suite with AddressSanitizer and UndefinedBehaviorSanitizer;
    # the window tests have already driven the real window above.
    build build-asan -DBUILD_TESTING=ON -DCMAKE_BUILD_TYPE=Debug -DDRAVONELLE_SANITIZE=ON -DDRAVONELLE_WERROR=ON \
          -DDRAVONELLE_WINDOW_TESTS=OFF -DDRAVONELLE_BENCH=OFF
    (cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
       ctest --output-on-failure -j "$jobs" -E '^qt[.]')
    # Qt Multimedia leaves the samples it loads on its own threads to the end
    # of the process, which the leak checker reports as ours: the Qt tests
    # run with every other check but that one.
    (cd build-asan && ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
       ctest --output-on-failure -j "$jobs" -R '^qt[.]')
    # The data file readers and the script tokeniser under libFuzzer.
    tests/fuzz/run_fuzz.sh 10
    ;;
  *)
    echo "usage: $0 [play|test]" >&2
    exit 2
    ;;
esac
