#!/usr/bin/env bash
# Fails, naming the lines, when an include runs against the layers: util/ never reaches platform/,
# ui/ never reaches app/, and model/, codes/, checks/ and util/ never reach ui/.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root/src"
status=0
check() {
    local folders="$1" target="$2"
    if grep -rn --include='*.h' --include='*.cpp' "#include \"$target/" $folders; then
        echo "^ includes from $folders into $target/"
        status=1
    fi
}
check util platform
check ui app
check "model codes checks util" ui
exit $status
