#!/usr/bin/env bash
# Runs a test that depends on file permissions. Permission bits refuse nothing to root, so under root
# the test runs as the user nobody (setpriv from util-linux), with a home and temporary folder of its
# own; under any other user it simply runs. ctest starts the tests listed in tests/CMakeLists.txt so.
#
#   scripts/as-unprivileged.sh PROGRAM [ARGUMENTS...]
set -euo pipefail
[ "$(id -u)" -eq 0 ] || exec "$@"

user=65534 # nobody, and its group nogroup
as_user=(setpriv --reuid="$user" --regid="$user" --clear-groups --)
if ! "${as_user[@]}" test -x "$1"; then
    echo "as-unprivileged.sh: user $user cannot run $1; every folder on its path must be open to others" >&2
    exit 1
fi
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
chown "$user:$user" "$scratch"
status=0
HOME="$scratch" TMPDIR="$scratch" "${as_user[@]}" "$@" || status=$?
exit "$status"
