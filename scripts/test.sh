#!/usr/bin/env bash
# Sets up, builds and runs every test headless.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/setup.sh"
export QT_QPA_PLATFORM=offscreen
cd "$root/build"
ctest --output-on-failure -j"$(nproc)"
