#!/usr/bin/env bash
# Installs what is missing, builds Velmora, and runs it or its tests.
#   ./build.sh run       build and start Velmora from its program folder (build/velmora)
#   ./build.sh test      build and run every test
#   ./build.sh sanitize  build with AddressSanitizer and UndefinedBehaviorSanitizer and run every test
set -euo pipefail
cd "$(dirname "$0")"

packages=(cmake make g++ qt6-base-dev fonts-ipafont-gothic)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if ((${#missing[@]})); then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y "${missing[@]}"
fi

jobs=$(nproc)
build() { # build <dir> <cmake options...>
    local dir=$1
    shift
    cmake -S . -B "$dir" "$@" >/dev/null
    cmake --build "$dir" -j "$jobs"
}

case "${1:-}" in
run)
    build build -DCMAKE_BUILD_TYPE=RelWithDebInfo
    exec build/velmora/velmora
    ;;
test)
    build build -DCMAKE_BUILD_TYPE=RelWithDebInfo
    ctest --test-dir build --output-on-failure -j "$jobs"
    ;;
sanitize)
    build build-sanitize -DCMAKE_BUILD_TYPE=Debug -DVELMORA_SANITIZE=ON
    ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS="suppressions=$PWD/.ci/lsan.supp:print_suppressions=0" \
        UBSAN_OPTIONS=print_stacktrace=1 ctest --test-dir build-sanitize --output-on-failure -j "$jobs"
    ;;
*)
    echo "usage: $0 run|test|sanitize" >&2
    exit 2
    ;;
esac
