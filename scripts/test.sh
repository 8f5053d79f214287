#!/usr/bin/env bash
# Sets up, builds and runs every test headless, after checking that every source is formatted and
# that no include runs against the layers.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/setup.sh"
"$root/scripts/check-format.sh"
"$root/scripts/check-includes.sh"
export QT_QPA_PLATFORM=offscreen
cd "$root/build"
ctest --output-on-failure -j"$(nproc)"
