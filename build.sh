#!/usr/bin/env bash
# Installs what is missing, builds Velmora, and runs it or its tests.
#   ./build.sh run       build only the program and start it from its program folder (build/velmora)
#   ./build.sh test      build everything (program, tests, benchmarks, tools) and run every test
#   ./build.sh sanitize  build with AddressSanitizer and UndefinedBehaviorSanitizer and run every test
set -euo pipefail
cd "$(dirname "$0")"

packages=(cmake make g++ qt6-base-dev qt6-translations-l10n xdg-utils fonts-ipafont-gothic)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
# apt-get, waiting up to five minutes while another install holds one of the package manager's locks.
apt_get() {
    local deadline=$((SECONDS + 300)) log
    log=$(mktemp)
    until $sudo env DEBIAN_FRONTEND=noninteractive LC_ALL=C apt-get -o DPkg::Lock::Timeout=300 "$@" 2>"$log"; do
        if ! grep -q "Could not get lock" "$log" || ((SECONDS >= deadline)); then
            cat "$log" >&2
            rm -f "$log"
            return 1
        fi
        echo "Another install holds the package manager's lock; waiting for it..." >&2
        sleep 5
    done
    cat "$log" >&2
    rm -f "$log"
}
if ((${#missing[@]})); then
    apt_get update
    apt_get install -y "${missing[@]}"
fi

jobs=$(nproc)
build() { # build <dir> <target> <cmake options...>
    local dir=$1 target=$2
    shift 2
    cmake -S . -B "$dir" "$@" >/dev/null
    cmake --build "$dir" -j "$jobs" --target "$target"
}

case "${1:-}" in
run)
    build build velmora -DCMAKE_BUILD_TYPE=RelWithDebInfo
    exec build/velmora/velmora
    ;;
test)
    build build all -DCMAKE_BUILD_TYPE=RelWithDebInfo
    ctest --test-dir build --output-on-failure -j "$jobs"
    ;;
sanitize)
    build build-sanitize all -DCMAKE_BUILD_TYPE=Debug -DVELMORA_SANITIZE=ON
    ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS="suppressions=$PWD/.ci/lsan.supp:print_suppressions=0" \
        UBSAN_OPTIONS=print_stacktrace=1 ctest --test-dir build-sanitize --output-on-failure -j "$jobs"
    ;;
*)
    echo "usage: $0 run|test|sanitize" >&2
    exit 2
    ;;
esac
