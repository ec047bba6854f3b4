#!/usr/bin/env bash
# Fuzzes the profile and high-score file decoders with libFuzzer under the address and
# undefined-behaviour sanitizers: builds the two targets with clang into build-fuzz/, seeds each
# with the default file and a few cut and edited copies of it, and runs RUNS inputs per decoder
# (1,000,000 by default) on a fixed seed. Prints the runs, the time and whatever was found; an
# input that breaks a rule is kept as crash-* in build-fuzz/ and the script fails.
# Usage: scripts/fuzz_decoders.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."

RUNS=${1:-1000000}
BUILD=build-fuzz
command -v clang++ > /dev/null || { echo "fuzz_decoders.sh: clang++ is needed (apt-get install clang)" >&2; exit 1; }
cmake -S . -B "$BUILD" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DSLEETWHISTLE_LIBFUZZER=ON -DSLEETWHISTLE_BENCH=OFF > /dev/null
cmake --build "$BUILD" -j4 --target fuzz_profile_file fuzz_highscore_file > /dev/null

# Seeds: the default files (their bytes as the game writes them), cut and lengthened copies.
seeds=$BUILD/fuzz-seeds
rm -rf "$seeds"
mkdir -p "$seeds/profile" "$seeds/highscore"
hex() { printf '%s' "$1" | xxd -r -p; }
profile_head=4acb5c00595b7a0065eb9700767bb500810bd3000000000000000000000000000100000001000000
{ hex "$profile_head"; head -c 400 /dev/zero; } > "$seeds/profile/default"
head -c 17 "$seeds/profile/default" > "$seeds/profile/cut-17"
head -c 120 "$seeds/profile/default" > "$seeds/profile/cut-120"
{ cat "$seeds/profile/default"; printf 'tail'; } > "$seeds/profile/longer"
hex "49645c515e00102700000a00000035545d5d54630028230000090000004150655b5e00401f000008000000\
3c5861625a00581b000007000000435e5b656800701700000600000036505151585d008813000005000000\
3e626361545b00a00f0000040000003f585d535b5400b80b0000030000004654675b546800d00700000200\
0000445c51616800e803000001000000" > "$seeds/highscore/default"
head -c 100 "$seeds/highscore/default" > "$seeds/highscore/cut-100"
head -c 86 "$seeds/highscore/default" > "$seeds/highscore/cut-86"
: > "$seeds/highscore/empty"

status=0
for kind in profile highscore; do
    corpus=$BUILD/fuzz-corpus-$kind
    rm -rf "$corpus"
    mkdir -p "$corpus"
    start=$(date +%s.%N)
    if ! "$BUILD/bin/fuzz_${kind}_file" -runs="$RUNS" -seed=1 -max_len=70000 \
        -artifact_prefix="$BUILD/" "$corpus" "$seeds/$kind" > "$BUILD/fuzz-$kind.log" 2>&1; then
        status=1
    fi
    end=$(date +%s.%N)
    done_line=$(grep -E "^Done [0-9]+ runs" "$BUILD/fuzz-$kind.log" || echo "stopped early: see $BUILD/fuzz-$kind.log")
    echo "$kind decoder: $done_line; $(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.1f s", b - a }')," \
        "corpus $(ls "$corpus" | wc -l) inputs"
    grep -E "ERROR|broken rule|runtime error" "$BUILD/fuzz-$kind.log" | head -5 || true
done
[ "$status" = 0 ] && echo "nothing found" || echo "findings: see crash-* in $BUILD/"
exit "$status"
