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
# kept in build/fuzz/artefacts/<harness>/. FUZZ_JOBS=n runs n harnesses at once (default 1);
# JOBS=n limits the parallel build jobs. Exit status 1 when a harness found a fault.
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
run() {
  local h=$1
  local corpus=$build/corpus/$h artefacts=$build/artefacts/$h logfile=$build/logs/$h.log
  mkdir -p "$corpus" "$artefacts" "$build/logs" "$root/fuzz/regressions/$h"
  local before
  before=$(find "$corpus" -type f | wc -l)
  local dict=()
  [ -f "$root/fuzz/dict/$h.dict" ] && dict=(-dict="$root/fuzz/dict/$h.dict")
  local faults_before
  faults_before=$(find "$artefacts" -type f | wc -l)
  local status=0
  # Memory freed is not given back to the system at intervals: on a busy machine that call can
  # stall an input past the time limit (a timeout that does not reproduce).
  ASAN_OPTIONS=detect_leaks=1:allocator_release_to_os_interval_ms=-1 nice -n 10 "$build/fuzz/fuzz_$h" "$corpus" "$root/fuzz/corpus/$h" \
    "$root/fuzz/regressions/$h" "${dict[@]}" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=5 \
    -print_final_stats=1 -artifact_prefix="$artefacts/" >"$logfile" 2>&1 || status=$?
  local execs rate edges faults
  execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$logfile" | tail -n 1)
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$logfile" | tail -n 1)
  edges=$( (grep -o 'cov: [0-9]*' "$logfile" || true) | tail -n 1 | cut -d' ' -f2)
  faults=$(( $(find "$artefacts" -type f | wc -l) - faults_before ))
  [ "$status" -ne 0 ] && [ "$faults" -eq 0 ] && faults=1
  printf '%-26s exécutions %10s  exéc/s %7s  arêtes %6s  nouvelles entrées %5s  défauts %s\n' \
    "$h" "${execs:-0}" "${rate:-0}" "${edges:-0}" "$(( $(find "$corpus" -type f | wc -l) - before ))" "$faults"
  [ "$faults" -eq 0 ]
}

status=0
parallel=${FUZZ_JOBS:-1}
pids=()
for h in "${harnesses[@]}"; do
  run "$h" &
  pids+=($!)
  if [ ${#pids[@]} -ge "$parallel" ]; then
    wait "${pids[0]}" || status=1
    pids=("${pids[@]:1}")
  fi
done
for p in "${pids[@]}"; do wait "$p" || status=1; done
[ "$status" -eq 0 ] || echo "Des défauts ont été trouvés : voir build/fuzz/artefacts/ et build/fuzz/logs/." >&2
exit "$status"
