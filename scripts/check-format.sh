#!/usr/bin/env bash
# Fails, naming the files, when a C++ source differs from what .clang-format makes of it.
# scripts/check-format.sh --fix formats them instead.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
mapfile -t sources < <(find src tests bench fuzz -name '*.cpp' -o -name '*.h' 2>/dev/null | sort)
if [ "${1:-}" = "--fix" ]; then
    clang-format -i "${sources[@]}"
    exit 0
fi
unformatted=()
for f in "${sources[@]}"; do
    clang-format --dry-run --Werror "$f" >/dev/null 2>&1 || unformatted+=("$f")
done
if [ ${#unformatted[@]} -gt 0 ]; then
    echo "Not formatted (run scripts/check-format.sh --fix):"
    printf '  %s\n' "${unformatted[@]}"
    exit 1
fi
