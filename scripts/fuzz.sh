#!/usr/bin/env bash
# Builds the fuzzers of fuzz/ and the monkey of tests/monkey/ with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer into build-fuzz/ and runs each for SECONDS, one after the other. Exits
# non-zero on the first crash, sanitizer report or broken check; the input that caused it is left in
# build-fuzz/artifacts/, and the monkey prints the seed and step that replay it.
#
#   scripts/fuzz.sh SECONDS [TARGET...]   e.g. scripts/fuzz.sh 600 fuzz_reader, scripts/fuzz.sh 600 monkey
#
# The monkey first shows that it finds a renumbering planted wrong (monkey_planted) within
# SECONDS (at most 20), then runs the program itself from a seed taken from the clock.
#
# Each target keeps its corpus in build-fuzz/corpus/TARGET, seeded from the test data, so a longer
# run later starts from what earlier runs found.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
seconds="${1:?usage: scripts/fuzz.sh SECONDS [TARGET...]}"
shift
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(fuzz_reader fuzz_numbers fuzz_codetable fuzz_recordtable monkey)

"$root/scripts/setup.sh" >/dev/null
build="$root/build-fuzz"
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTEXMENDO_FUZZ=ON >/dev/null
build_targets=("${targets[@]}")
for target in "${targets[@]}"; do
    [ "$target" != monkey ] || build_targets+=(monkey_planted)
done
cmake --build "$build" -j"$(nproc)" --target "${build_targets[@]}"

# Seeds: every declaration file of the tests with each option byte (layout and regional settings),
# the shipped code tables, a few numbers and operation sequences.
seed() { # seed TARGET NAME BYTES...
    local dir="$build/corpus/$1"
    mkdir -p "$dir"
    printf "${*:3}" >"$dir/seed-$2"
}
for file in "$root"/tests/io/data/*.txt "$root"/tests/model/data/*.txt; do
    for option in 0 1 2 3; do
        dir="$build/corpus/fuzz_reader"
        mkdir -p "$dir"
        { printf "\\x0$option"; cat "$file"; } >"$dir/seed-$option-$(basename "$file")"
    done
done
dir="$build/corpus/fuzz_codetable"
mkdir -p "$dir"
{ printf '\x00'; cat "$root/data/Tarvinel.cfg"; printf '\x0001 Uno\x0002 Dos'; } >"$dir/seed-shipped"
seed fuzz_codetable lone-cr '\x07[A]\r\nabc\r\x00k'
seed fuzz_numbers fraction '\x002,5'
seed fuzz_numbers digit-runs '\x01  0001234567890123.25 '
seed fuzz_numbers thousands '\x01 12,345.5- '
seed fuzz_numbers groups '\x001.059.396,25'
seed fuzz_numbers exponent '\x001e+15'
seed fuzz_numbers small '\x010.00005'
seed fuzz_numbers integer '\x00  -2147483648'
seed fuzz_recordtable walk '\x00\x09\x08\x00\x0a\x10\x01\x09\x21\x03\x06\x07\x07\x05\x0c\x02'

export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
mkdir -p "$build/artifacts"
run_monkey() {
    local log="$build/monkey.log" seed planted=$((seconds < 20 ? seconds : 20))
    seed="$(date +%s)"
    echo "== monkey_planted, up to $planted s"
    QT_QPA_PLATFORM=offscreen "$build/tests/monkey/monkey_planted" --seed "$seed" --seconds "$planted" \
        >"$build/monkey_planted.log" 2>&1 || true
    if ! grep -E '^monkey: seed [0-9]+, step [0-9]+: line numbers' "$build/monkey_planted.log" | sed 's/^/   /'; then
        tail -n 20 "$build/monkey_planted.log"
        echo "the monkey did not find the renumbering planted wrong: see $build/monkey_planted.log"
        return 1
    fi
    echo "== monkey, $seconds s"
    QT_QPA_PLATFORM=offscreen "$build/tests/monkey/monkey" --seed "$seed" --seconds "$seconds" >"$log" 2>&1 || {
        tail -n 60 "$log"
        echo "monkey failed: see $log"
        return 1
    }
    grep -E '^monkey:' "$log" | sed 's/^/   /'
}

for target in "${targets[@]}"; do
    if [ "$target" = monkey ]; then
        run_monkey || exit 1
        continue
    fi
    echo "== $target, $seconds s"
    "$build/fuzz/$target" "$build/corpus/$target" -dict="$root/fuzz/texmendo.dict" \
        -max_total_time="$seconds" -max_len=8192 -timeout=20 -rss_limit_mb=4096 -print_final_stats=1 \
        -artifact_prefix="$build/artifacts/$target-" 2>"$build/$target.log" || {
        tail -n 60 "$build/$target.log"
        echo "$target failed: see $build/$target.log and $build/artifacts/"
        exit 1
    }
    grep -E '^stat::number_of_executed_units|^stat::peak_rss_mb' "$build/$target.log" | sed 's/^/   /'
done
echo "fuzzing done: ${#targets[@]} targets, $seconds s each, no failure"
