#!/usr/bin/env bash
# Fails, naming the lines, when an include runs against the layers. The core folders are those whose
# CMake list feeds texmendo_core: none of them reaches ui/, app/ or platform/, nor includes a
# QtWidgets header, and none feeds the window library as well. util/ never reaches platform/ and
# ui/ never reaches app/.
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

core=()
for list in */CMakeLists.txt; do
    folder="${list%/CMakeLists.txt}"
    grep -q 'texmendo_core' "$list" || continue
    core+=("$folder")
    if grep -q 'texmendo_gui' "$list"; then
        echo "$list feeds both libraries: a core folder holds no window"
        status=1
    fi
done
if [ ${#core[@]} -eq 0 ]; then
    echo "no folder feeds texmendo_core"
    exit 1
fi

for target in ui app platform; do
    check "${core[*]}" "$target"
done

# The QtWidgets headers, by the names they are included by (<QDialog>, <QtWidgets/QDialog>).
widgets_dir="$(find /usr/include /usr/local/include -maxdepth 3 -type d -name QtWidgets -path '*qt6*' \
    2>/dev/null | head -n1 || true)"
widget_headers='QtWidgets/[^>]*'
if [ -n "$widgets_dir" ]; then
    widget_headers="$widget_headers|$(find "$widgets_dir" -maxdepth 1 -type f -name 'Q*' ! -name '*.h' \
        -printf '%f\n' | sort | paste -sd'|')"
fi
if grep -rnE --include='*.h' --include='*.cpp' "#include <($widget_headers)>" "${core[@]}"; then
    echo "^ QtWidgets headers in the core (${core[*]})"
    status=1
fi

check util platform
check ui app
echo "core folders checked: ${core[*]}"
exit $status
