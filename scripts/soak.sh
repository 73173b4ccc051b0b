#!/usr/bin/env bash
# Plays the randomized test on seeds nobody chose, in parallel, and names every seed that fails;
# first it feeds the board file's reader thousands of damaged files.
#
#   scripts/soak.sh [seeds] [steps per seed] [build folder]
#
# Defaults: 40 seeds, 25,000 steps, the sanitizer build (./test.sh makes it). Seeds come from
# the system's random source; a failing one plays again with
#   TAVELO_RANDOM_SEED=<seed> TAVELO_RANDOM_STEPS=<steps> <build folder>/tests/tst_randomized
# (TAVELO_RANDOM_HISTORY=1 then finds the step that broke the history).
set -uo pipefail

project_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
count="${1:-40}"
steps="${2:-25000}"
folder="${3:-build-sanitize}"
case "$folder" in /*) ;; *) folder="$project_root/$folder" ;; esac
binary="$folder/tests/tst_randomized"
logs="$folder/soak-logs"

if [ ! -x "$binary" ]; then
    echo "soak.sh: no $binary; build it first (./test.sh builds both folders)" >&2
    exit 2
fi
mkdir -p "$logs"

export QT_QPA_PLATFORM=offscreen
export QT_QPA_FONTDIR="${QT_QPA_FONTDIR:-/usr/share/fonts/truetype/dejavu}"
export QTEST_FUNCTION_TIMEOUT=$((6 * 3600 * 1000))
export TAVELO_RANDOM_STEPS="$steps"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$project_root/tests/lsan.supp:print_suppressions=0"
export binary logs

# Truncated, bit-flipped and oversized board files: refused whole, no crash, no hang, no
# allocation beyond what the file holds (the sanitizers watch).
fuzz_inputs="${TAVELO_FUZZ_INPUTS:-20000}"
if TAVELO_FUZZ_INPUTS="$fuzz_inputs" "$folder/tests/tst_boardfile" damagedBoardFileIsRefused \
    >"$logs/fuzz.log" 2>&1; then
    echo "board file reader: $fuzz_inputs damaged files refused cleanly"
else
    echo "board file reader: FAILED on damaged files (see $logs/fuzz.log)"
    exit 1
fi

play() {
    local seed="$1"
    if TAVELO_RANDOM_SEED="$seed" "$binary" >"$logs/$seed.log" 2>&1; then
        echo "seed $seed: passed"
    else
        echo "seed $seed: FAILED ($(grep -m1 -o 'step [0-9]* ([^)]*): .*' "$logs/$seed.log" \
            || echo "see $logs/$seed.log"))"
    fi
}
export -f play

for _ in $(seq "$count"); do
    echo $(( $(od -An -N4 -tu4 /dev/urandom) % 2147483647 ))
done | xargs -P "$(nproc)" -I{} bash -c 'play {}' | tee "$logs/summary.txt"

failed=$(grep -c FAILED "$logs/summary.txt")
echo "$count seeds x $steps steps: $((count - failed)) passed, $failed failed"
[ "$failed" -eq 0 ]
