#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer
# in build-fuzz/ and runs each for the given time, starting from the shipped files.
# Usage: scripts/fuzz.sh [seconds per target] [target...]   (default 60 s, every target)
# Exits non-zero on any crash, leak, timeout or sanitizer report; the input is left in
# build-fuzz/artifacts/<target>/ and belongs in fuzz/regressions/<target>/ once the fault is fixed.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
shift || true
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(score_file settings_values picture_file help_topics wave_file tune_file kept_game statistics)

scripts/deps.sh fuzz
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 \
  -DTESSARY_FUZZ=ON -DBUILD_TESTING=OFF "${launcher[@]}" >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target "${targets[@]/#/fuzz_}" >build-fuzz/build.log 2>&1 \
  || { tail -40 build-fuzz/build.log; exit 1; }

# What each target starts from: its seeds and kept inputs, and the shipped files it reads.
media_for() {
  case "$1" in
    picture_file) ls media/*.jpg media/*.gif ;;
    help_topics) ls media/*.html ;;
    wave_file) ls media/*.wav ;;
    tune_file) ls media/*.mid ;;
  esac
}

# The fuzzer checks for leaks after each input; the check at exit is left out, as LeakSanitizer's
# thread walk sometimes crashes there while Qt's pool threads wind down.
export ASAN_OPTIONS="detect_leaks=1:leak_check_at_exit=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
# use_ld_allocations=0: clang 14's LeakSanitizer crashes walking the dynamic loader's blocks on
# Debian 12's glibc once a thread has started (Qt's image scaling starts a pool).
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0:use_ld_allocations=0"
failed=()
for target in "${targets[@]}"; do
  corpus="build-fuzz/corpus/$target"
  artifacts="build-fuzz/artifacts/$target/"
  mkdir -p "$corpus" "$artifacts"
  for dir in "fuzz/seeds/$target" "fuzz/regressions/$target"; do
    [ -d "$dir" ] && cp -f "$dir"/* "$corpus"/ 2>/dev/null || true
  done
  for file in $(media_for "$target"); do cp -f "$file" "$corpus"/; done
  log="build-fuzz/$target.log"
  status=0
  # clang 14's leak check crashes in its thread walk (signal 11 in the tracer) once Qt's image
  # plugins have run, on Debian 12's glibc; the picture loader's leaks are checked by the
  # sanitizer build of the test suite (scripts/test.sh --sanitize) instead.
  leaks=1
  [ "$target" = picture_file ] && leaks=0
  # Inputs grow up to the largest file the target starts from (4 KiB at least). The shipped files
  # stay in play although the decoders they reach (Qt's plugins, libsndfile, FluidSynth) report no
  # coverage of their own.
  "build-fuzz/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=2048 \
    -malloc_limit_mb=256 -keep_seed=1 -detect_leaks="$leaks" -print_final_stats=1 -artifact_prefix="$artifacts" "$corpus" >"$log" 2>&1 || status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
  if [ "$status" -eq 0 ]; then
    printf '%-16s %12s executions  %7s exec/s  ok\n' "$target" "${runs:-?}" "${speed:-?}"
  else
    printf '%-16s %12s executions  %7s exec/s  FAULT (exit %s), see %s\n' "$target" "${runs:-?}" "${speed:-?}" "$status" "$log"
    grep -m3 -E 'ERROR|FAULT|runtime error|SUMMARY' "$log" || true
    failed+=("$target")
  fi
done
[ ${#failed[@]} -eq 0 ] || { echo "faults in: ${failed[*]}"; exit 1; }
