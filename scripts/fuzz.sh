#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer
# in build-fuzz/ and runs them, starting from the kept corpus, the seeds and the kept faults.
# Usage: scripts/fuzz.sh [seconds per target] [target...]   (default 60 s, every target)
#        scripts/fuzz.sh --long [target...]   each target in turn, at the lowest priority, until
#                                             fuzz/executions.log counts 10 million executions
#        scripts/fuzz.sh --totals             executions so far per target
# After each run the new inputs are merged into fuzz/corpus/<target>/, kept minimal.
# Exits non-zero on any crash, leak, timeout or sanitizer report; the input is left in
# build-fuzz/artifacts/<target>/ and belongs in fuzz/regressions/<target>/ once the fault is fixed.
set -euo pipefail
cd "$(dirname "$0")/.."
all=(score_file settings_values picture_file help_topics wave_file tune_file kept_game statistics)
log=fuzz/executions.log
goal=10000000
# A long run goes in pieces of this many executions, each logged as it ends.
piece=1000000

totals() {
  for target in "${all[@]}"; do
    awk -v t="$target" '$2 == t { runs += $3; secs += $4; cpu += $5 } END {
      printf "%-16s %12d executions  %6.1f minutes  %6.1f CPU minutes\n", t, runs, secs / 60, cpu / 60 }' "$log"
  done
}

mode=timed
if [ "${1:-}" = --totals ]; then totals; exit 0; fi
if [ "${1:-}" = --long ]; then mode=long; shift; else seconds="${1:-60}"; shift || true; fi
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=("${all[@]}")

scripts/deps.sh fuzz
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 \
  -DTESSARY_FUZZ=ON -DBUILD_TESTING=OFF "${launcher[@]}" >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target "${targets[@]/#/fuzz_}" >build-fuzz/build.log 2>&1 \
  || { tail -40 build-fuzz/build.log; exit 1; }

# The shipped tune is small enough to start from; the other media are replayed by the tests only.
media_for() {
  case "$1" in
    tune_file) echo media/fallmorn.mid ;;
  esac
}

# The fuzzer checks for leaks after each new input; the check at exit is left out, as
# LeakSanitizer's thread walk sometimes crashes there while Qt's pool threads wind down.
# Two frames of each allocation's stack: recording whole stacks took 40% of the time of the
# targets that allocate most. To see them whole, run the input again with
# ASAN_OPTIONS=malloc_context_size=30 build-fuzz/fuzz/fuzz_<target> <input>.
export ASAN_OPTIONS="detect_leaks=1:leak_check_at_exit=0:malloc_context_size=2"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
# use_ld_allocations=0: clang 14's LeakSanitizer crashes walking the dynamic loader's blocks on
# Debian 12's glibc once a thread has started (Qt's image scaling starts a pool).
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0:use_ld_allocations=0"

# One run of a target; its figures go to the log. Arguments: target, then libFuzzer's limits.
run() {
  local target="$1"; shift
  local work="build-fuzz/corpus/$target" artifacts="build-fuzz/artifacts/$target/"
  local out="build-fuzz/$target.log" kept="fuzz/corpus/$target"
  mkdir -p "$work" "$artifacts" "$kept"
  local sources=("$kept")
  for dir in "fuzz/seeds/$target" "fuzz/regressions/$target"; do
    [ -d "$dir" ] && sources+=("$dir")
  done
  local media=()
  for file in $(media_for "$target"); do media+=("$file"); done
  if [ ${#media[@]} -gt 0 ]; then mkdir -p build-fuzz/media/"$target"; cp -f "${media[@]}" build-fuzz/media/"$target"/; sources+=(build-fuzz/media/"$target"); fi
  # No leak check after new inputs for two targets; the sanitizer build of the test suite
  # (scripts/test.sh --sanitize) checks their leaks instead. Pictures: clang 14's leak check
  # crashes in its thread walk (signal 11 in the tracer) once Qt's image plugins have run, on
  # Debian 12's glibc. Settings: QSettings keeps every file it has read in a cache, so each new
  # input looks like a leak and costs a full leak check (a tenth of a second).
  local leaks=1
  case "$target" in picture_file | settings_values) leaks=0 ;; esac
  # libsndfile's MP3 decoder writes a line to stderr for every broken frame: gigabytes an hour. The
  # target's stderr goes, libFuzzer's and the sanitizers' reports stay; replay an input by hand to
  # see a FAULT line.
  local quiet=()
  [ "$target" = wave_file ] && quiet=(-close_fd_mask=2)
  # A save costs in proportion to the settings file's entries, and the fuzzer lengthens its inputs
  # as it goes (to 2.4 kB within a million, at a third of the speed); the game writes under 50 bytes.
  local lengths=()
  [ "$target" = settings_values ] && lengths=(-max_len=512)
  local status=0 started ended
  started=$(date +%s)
  # New inputs land in the first folder. Seeds stay in play although the decoders they reach (Qt's
  # plugins, libsndfile, FluidSynth) report no coverage of their own. The CPU time counts too: on
  # a shared machine it says more about the target's speed than the clock.
  local TIMEFORMAT='%U %S'
  { time "build-fuzz/fuzz/fuzz_$target" "$@" "${quiet[@]}" "${lengths[@]}" -timeout=30 -rss_limit_mb=2048 -malloc_limit_mb=256 \
    -keep_seed=1 -detect_leaks="$leaks" -print_final_stats=1 -artifact_prefix="$artifacts" \
    "$work" "${sources[@]}" >"$out" 2>&1 || status=$?; } 2>build-fuzz/"$target".cpu
  ended=$(date +%s)
  local runs speed cpu perCpu
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$out" | tail -1)
  speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$out" | tail -1)
  cpu=$(awk '{ printf "%d", $1 + $2 + 0.5 }' build-fuzz/"$target".cpu)
  perCpu=$(( ${runs:-0} / (cpu > 0 ? cpu : 1) ))
  local verdict=ok
  [ "$status" -eq 0 ] || verdict="FAULT(exit $status)"
  printf '%s %s %s %s %s %s %s %s\n' "$(date -u +%Y-%m-%dT%H:%M:%SZ)" "$target" "${runs:-0}" \
    "$((ended - started))" "$cpu" "${speed:-0}" "$perCpu" "$verdict" >>"$log"
  printf '%-16s %12s executions  %7s exec/s  %7s per CPU second  %s\n' "$target" "${runs:-?}" \
    "${speed:-?}" "$perCpu" "$verdict"
  if [ "$status" -ne 0 ]; then
    echo "  see $out"
    grep -m3 -E 'ERROR|FAULT|runtime error|SUMMARY' "$out" || true
    return 1
  fi
  # The kept corpus again, minimal: the smallest inputs that reach all the coverage found so far.
  local merged="build-fuzz/merged/$target"
  rm -rf "$merged" && mkdir -p "$merged"
  "build-fuzz/fuzz/fuzz_$target" -merge=1 -timeout=30 -rss_limit_mb=2048 -detect_leaks=0 \
    "$merged" "$kept" "$work" >build-fuzz/"$target".merge.log 2>&1 \
    && { rm -rf "$kept"; mv "$merged" "$kept"; rm -rf "$work"; }
}

# Long runs take whatever the machine has left over.
[ "$mode" = long ] && renice -n 19 -p $$ >/dev/null
[ -f "$log" ] || echo "# UTC end, target, executions, seconds, CPU seconds, exec/s, executions per CPU second, result (one line per run of scripts/fuzz.sh; - : not measured)" >"$log"
failed=()
for target in "${targets[@]}"; do
  if [ "$mode" = timed ]; then
    run "$target" -max_total_time="$seconds" || failed+=("$target")
    continue
  fi
  while :; do
    done_runs=$(awk -v t="$target" '$2 == t { runs += $3 } END { print runs + 0 }' "$log")
    [ "$done_runs" -ge "$goal" ] && break
    left=$((goal - done_runs))
    run "$target" -runs=$((left < piece ? left : piece)) || { failed+=("$target"); break; }
  done
done
[ ${#failed[@]} -eq 0 ] || { echo "faults in: ${failed[*]}"; exit 1; }
