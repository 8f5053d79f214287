#!/usr/bin/env bash
# Sets up, builds and runs every test headless, after checking that every source is formatted and
# that no include runs against the layers.
#
#   scripts/test.sh             the build in build/
#   scripts/test.sh --sanitize  every test again, built with AddressSanitizer and
#                               UndefinedBehaviorSanitizer into build-sanitize/
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export QT_QPA_PLATFORM=offscreen
"$root/scripts/setup.sh"
if [ "${1:-}" = "--sanitize" ]; then
    cmake -S "$root" -B "$root/build-sanitize" -DCMAKE_BUILD_TYPE=Debug -DTEXMENDO_SANITIZE=ON >/dev/null
    cmake --build "$root/build-sanitize" -j"$(nproc)"
    # Qt and the system libraries keep some memory until the process ends; that is no fault of ours.
    export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    cd "$root/build-sanitize"
    ctest --output-on-failure -j"$(nproc)"
    exit
fi
"$root/scripts/check-format.sh"
"$root/scripts/check-includes.sh"
cd "$root/build"
ctest --output-on-failure -j"$(nproc)"
