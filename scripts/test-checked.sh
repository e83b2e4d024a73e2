#!/usr/bin/env bash
# A checked build: the whole suite again under AddressSanitizer and UBSan,
# and each libFuzzer harness for a bounded time. Any finding in the
# project's own code fails.
set -euo pipefail
cd "$(dirname "$0")/.."

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
if ! command -v clang++ >/dev/null || ! dpkg-query -W -f='${Status}' libclang-rt-14-dev 2>/dev/null | grep -q "ok installed"; then
  export DEBIAN_FRONTEND=noninteractive
  "${as_root[@]}" apt-get update
  "${as_root[@]}" apt-get install -y --no-install-recommends clang libclang-rt-14-dev
fi

top=$(pwd)
checked=$top/build-checked
started=$(date +%s)
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$top" -B "$checked" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DQUELMARN_SANITIZE=ON -DQUELMARN_FUZZ=ON "${launcher[@]}"
cmake --build "$checked" -j"$(nproc)"
built=$(date +%s)

# Findings are fatal; only what lies inside Qt, WebEngine, fontconfig and
# D-Bus is suppressed (the file says what and why).
supp=$top/tests/sanitizer/suppressions.txt
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=0
export LSAN_OPTIONS=suppressions=$supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir "$checked" --output-on-failure --timeout 900 -E '^test_(webengine_view|banner)$'
# The tests that load the web engine: its own sized deletes mismatch inside
# libQt6WebEngineCore, which no suppression file can name.
ASAN_OPTIONS=$ASAN_OPTIONS:new_delete_type_mismatch=0 \
  ctest --test-dir "$checked" --output-on-failure --timeout 900 -R '^test_(webengine_view|banner)$'
tested=$(date +%s)

# Each harness 60 s from its corpus kept in the repository
# (tests/fuzz/corpus/<harness>) and its seeds; a crash, a sanitizer report
# or a broken property ends it non-zero and fails CI, the input kept in
# build-checked/fuzz-findings/. What a run finds that adds coverage is
# merged back into tests/fuzz/corpus/<harness>, so that the next run starts
# where this one ended once a developer commits it. QUELMARN_FUZZ_SECONDS
# changes the time per harness.
seconds=${QUELMARN_FUZZ_SECONDS:-60}
corpora=$(mktemp -d)
trap 'rm -rf "$corpora"' EXIT
findings=$checked/fuzz-findings
mkdir -p "$findings"
declare -A max_len=([language_file]=20000 [profile]=4096 [codepage]=1024 [wildcard]=256)
for harness in language_file profile codepage wildcard; do
  kept=$top/tests/fuzz/corpus/$harness
  mkdir -p "$corpora/$harness" "$kept"
  quiet=()
  # The reader says on standard error where a cut file ended, for nearly
  # every input; libFuzzer's own report still shows.
  [ "$harness" = language_file ] && quiet=(-close_fd_mask=2)
  log=$corpora/$harness.log
  if ! "$checked/fuzz/fuzz_$harness" -max_total_time="$seconds" -max_len="${max_len[$harness]}" "${quiet[@]}" \
       -print_final_stats=1 -artifact_prefix="$findings/$harness-" \
       "$corpora/$harness" "$kept" "$checked/fuzz-seeds/$harness" >"$log" 2>&1; then
    cat "$log"
    echo "fuzz_$harness: finding, input kept in $findings"
    exit 1
  fi
  # Coverage when the corpus was loaded and when the run ended, and speed.
  started_cov=$(grep -m1 -oE "INITED cov: [0-9]+" "$log" | grep -oE "[0-9]+$" || true)
  ended_cov=$(grep -oE "(DONE|pulse|NEW|REDUCE) +cov: [0-9]+" "$log" | tail -1 | grep -oE "[0-9]+$" || true)
  rate=$(grep -oE "^stat::average_exec_per_sec: +[0-9]+" "$log" | grep -oE "[0-9]+$" || true)
  before=$(find "$kept" -type f | wc -l)
  "$checked/fuzz/fuzz_$harness" -merge=1 -max_len="${max_len[$harness]}" "${quiet[@]}" \
    "$kept" "$corpora/$harness" >"$log.merge" 2>&1 || { cat "$log.merge"; exit 1; }
  after=$(find "$kept" -type f | wc -l)
  echo "fuzz_$harness: ${rate:-?} inputs/s, cov ${started_cov:-?} at start, ${ended_cov:-?} at end, corpus $before -> $after files"
done
fuzzed=$(date +%s)
echo "checked build: $((built - started)) s, suite under sanitizers: $((tested - built)) s, fuzzing: $((fuzzed - tested)) s"
