#!/usr/bin/env bash
# Coverage-guided fuzzing of the readers of outside data (fuzz/): installs clang and its libFuzzer
# runtime from Debian, builds every harness with -fsanitize=fuzzer,address,undefined in
# build/fuzz, runs each on its corpus and prints one line per harness.
#
#   scripts/fuzz.sh [seconds per harness] [harness...]   default: 60 s, every harness
#   scripts/fuzz.sh --graines                            writes the seed corpora anew into fuzz/corpus
#
# A harness starts from fuzz/corpus/<harness>/ (the seeds), fuzz/regressions/<harness>/ and what
# earlier runs found (build/fuzz/corpus/<harness>/, where new entries go), with the dictionary
# fuzz/dict/<harness>.dict when there is one. Each run stops at the first fault; the input is
# kept in build/fuzz/artefacts/<harness>/. Settings from the environment:
#   FUZZ_WORKERS=n  n processes fuzz each harness, sharing its corpus (libFuzzer -fork=n; default 1)
#   FUZZ_RUNS=n     also stop a harness after n executions (summed over its processes)
#   FUZZ_JOBS=n     n harnesses at once (default 1)
#   JOBS=n          parallel build jobs
# Seconds 0: no time bound (then FUZZ_RUNS bounds the run). The fuzzers run under nice -n 19 so
# that builds on the same machine keep their share. Per harness, one line: executions (summed
# over the processes), wall time, processes, executions per second, coverage (edges and
# features), corpus size and new entries, faults. Exit status 1 when a harness found a fault.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

scripts/install-deps.sh
missing=()
for p in clang libclang-rt-dev; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  echo "Installing: ${missing[*]}"
  DEBIAN_FRONTEND=noninteractive $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

build=$root/build/fuzz
jobs=${JOBS:-$(nproc)}
flags="-O1 -g -fno-omit-frame-pointer -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined"
log=$build/construction.log
mkdir -p "$build"
configure() {
  cmake -S . -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=None \
    -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
    -DCMAKE_SHARED_LINKER_FLAGS="-fsanitize=address,undefined" \
    -DFUZZ_LIBFUZZER=ON -DBUILD_BENCHMARKS=OFF -DENABLE_SANITIZERS=OFF
}
target=fuzz_harnesses
[ "${1:-}" = "--graines" ] && target=fuzz_graines
if ! { configure && cmake --build "$build" -j"$jobs" --target "$target"; } >"$log" 2>&1; then
  tail -n 40 "$log" >&2
  echo "La construction a échoué (journal complet : $log)." >&2
  exit 1
fi

if [ "$target" = fuzz_graines ]; then
  ASAN_OPTIONS=detect_leaks=0 "$build/fuzz/fuzz_graines" "$root/fuzz/corpus"
  echo "Graines écrites dans fuzz/corpus."
  exit 0
fi

seconds=60
if [ $# -gt 0 ] && [[ "$1" =~ ^[0-9]+$ ]]; then
  seconds=$1
  shift
fi
harnesses=("$@")
if [ ${#harnesses[@]} -eq 0 ]; then
  for f in fuzz/corpus/*/; do harnesses+=("$(basename "$f")"); done
fi
for h in "${harnesses[@]}"; do
  if [ ! -x "$build/fuzz/fuzz_$h" ]; then
    echo "Harnais inconnu : $h" >&2
    exit 2
  fi
done

# The harnesses write their files in a folder of their own under TMPDIR: in memory when the
# machine has /dev/shm, which makes the harnesses that read files many times faster.
if [ -z "${TMPDIR:-}" ] && [ -d /dev/shm ] && [ -w /dev/shm ]; then
  export TMPDIR=/dev/shm
fi

# One harness: libFuzzer's log in build/fuzz/logs/<harness>.log, then its line. Paths are
# absolute: a harness may make its own folder the current one.
workers=${FUZZ_WORKERS:-1}
runs=${FUZZ_RUNS:-}
for n in "$workers" "$runs"; do
  if [ -n "$n" ] && ! [[ "$n" =~ ^[0-9]+$ ]]; then
    echo "FUZZ_WORKERS et FUZZ_RUNS sont des nombres entiers." >&2
    exit 2
  fi
done
[ "$workers" -ge 1 ] || workers=1
run() {
  local h=$1
  local corpus=$build/corpus/$h artefacts=$build/artefacts/$h logfile=$build/logs/$h.log
  mkdir -p "$corpus" "$artefacts" "$build/logs"
  local before
  before=$(find "$corpus" -type f | wc -l)
  local options=(-max_total_time="$seconds" -rss_limit_mb=2048 -timeout=5 -print_final_stats=1
                 -artifact_prefix="$artefacts/")
  [ -f "$root/fuzz/dict/$h.dict" ] && options+=(-dict="$root/fuzz/dict/$h.dict")
  [ -n "$runs" ] && options+=(-runs="$runs")
  # With several processes, each fault stops the run as it does with one: by default -fork
  # would count time-outs and memory overruns and go on.
  [ "$workers" -gt 1 ] && options+=(-fork="$workers" -ignore_crashes=0 -ignore_timeouts=0 -ignore_ooms=0)
  local seeds=("$root/fuzz/corpus/$h")
  [ -d "$root/fuzz/regressions/$h" ] && seeds+=("$root/fuzz/regressions/$h")
  local faults_before
  faults_before=$(find "$artefacts" -type f | wc -l)
  local status=0 start=$SECONDS
  # Memory freed is not given back to the system at intervals: on a busy machine that call can
  # stall an input past the time limit (a timeout that does not reproduce). A freed block stays
  # poisoned (use after free caught) for the next 64 MB freed, far more than one input frees:
  # with the default 256 MB, the shell's harness grew past 2 GB in a long run.
  ASAN_OPTIONS=detect_leaks=1:allocator_release_to_os_interval_ms=-1:quarantine_size_mb=64 nice -n 19 "$build/fuzz/fuzz_$h" \
    "$corpus" "${seeds[@]}" "${options[@]}" >"$logfile" 2>&1 || status=$?
  local wall=$(( SECONDS - start )) execs edges features faults
  if [ "$workers" -gt 1 ]; then
    # The parent's lines: "#<executions>: cov: <edges> ft: <features> corp: ..."
    local last
    last=$( (grep -E '^#[0-9]+: cov: ' "$logfile" || true) | tail -n 1)
    execs=$(sed -n 's/^#\([0-9]*\):.*/\1/p' <<<"$last")
    edges=$(sed -n 's/.* cov: \([0-9]*\).*/\1/p' <<<"$last")
    features=$(sed -n 's/.* ft: \([0-9]*\).*/\1/p' <<<"$last")
  else
    execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$logfile" | tail -n 1)
    edges=$( (grep -o 'cov: [0-9]*' "$logfile" || true) | tail -n 1 | cut -d' ' -f2)
    features=$( (grep -o 'ft: [0-9]*' "$logfile" || true) | tail -n 1 | cut -d' ' -f2)
  fi
  execs=${execs:-0}
  faults=$(( $(find "$artefacts" -type f | wc -l) - faults_before ))
  [ "$status" -ne 0 ] && [ "$faults" -eq 0 ] && faults=1
  local size
  size=$(find "$corpus" -type f | wc -l)
  printf '%-26s exécutions %10s  durée %6ss  processus %2s  exéc/s %7s  arêtes %6s  traits %7s  corpus %6s (+%s)  défauts %s\n' \
    "$h" "$execs" "$wall" "$workers" "$(( execs / (wall > 0 ? wall : 1) ))" "${edges:-0}" "${features:-0}" \
    "$size" "$(( size - before ))" "$faults"
  [ "$faults" -eq 0 ]
}

status=0
parallel=${FUZZ_JOBS:-1}
# The next harness starts as soon as any running one ends.
running=0
for h in "${harnesses[@]}"; do
  if [ "$running" -ge "$parallel" ]; then
    wait -n || status=1
    running=$(( running - 1 ))
  fi
  run "$h" &
  running=$(( running + 1 ))
done
while [ "$running" -gt 0 ]; do
  wait -n || status=1
  running=$(( running - 1 ))
done
[ "$status" -eq 0 ] || echo "Des défauts ont été trouvés : voir build/fuzz/artefacts/ et build/fuzz/logs/." >&2
exit "$status"
