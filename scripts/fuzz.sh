#!/usr/bin/env bash
# Runs every libFuzzer target of the fuzz build (build/fuzz) one after another.
#   scripts/fuzz.sh [short]           about 6 s per target, two targets at a time: the test-suite run
#   scripts/fuzz.sh long [SECONDS]    SECONDS per target (default 600), two parallel jobs
# Build first: cmake --preset fuzz && cmake --build --preset fuzz
#
# Each target starts from its committed seeds (fuzz/corpus/<target>) and the inputs earlier runs
# found (build/fuzz/scratch/corpus/<target>); new inputs go to the latter only. A crash, leak,
# timeout or broken invariant fails the script and prints the reproducer's path and the command
# that replays it. Logs: build/fuzz/scratch/logs.
set -euo pipefail

cd "$(dirname "${BASH_SOURCE[0]}")/.."
root=$PWD
bin_dir=$root/build/fuzz/fuzz
scratch=$root/build/fuzz/scratch

mode=${1:-short}
case "$mode" in
  short) seconds=6 ;;
  long) seconds=${2:-600} ;;
  *) echo "usage: $0 [short | long [SECONDS_EACH]]" >&2; exit 2 ;;
esac
if ! [[ "$seconds" =~ ^[1-9][0-9]*$ ]]; then
  echo "fuzz.sh: seconds must be a positive whole number, not '$seconds'" >&2
  exit 2
fi

# Every target has a source fuzz/<target>.cpp; a target that is not built is an error, not a skip.
targets=()
for source in fuzz/*_fuzzer.cpp; do
  targets+=("$(basename "$source" .cpp)")
done
for target in "${targets[@]}"; do
  if [ ! -x "$bin_dir/$target" ]; then
    echo "fuzz.sh: $bin_dir/$target is missing; build it first:" >&2
    echo "  cmake --preset fuzz && cmake --build --preset fuzz" >&2
    exit 1
  fi
done

# The targets' temporary Wine prefixes: in memory when /dev/shm is there (the tables target
# rewrites two files per input, twice as fast as on disk), and removed when the script ends,
# together with those a crashing run could not remove itself.
mkdir -p "$scratch/logs"
tmp_parent=$scratch
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
  tmp_parent=/dev/shm
fi
TMPDIR=$(mktemp -d "$tmp_parent/kv-fuzz.XXXXXX")
export TMPDIR
trap 'rm -rf "$TMPDIR"' EXIT
# A smaller quarantine for freed memory keeps each target near 150 MB instead of 500 MB; the
# inputs are small, so use-after-free is still caught.
export ASAN_OPTIONS=${ASAN_OPTIONS:-quarantine_size_mb=64}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

# Longest input each target tries: a table pair needs room for several rows, a fleet's text room
# to reach its 64 KiB bound.
max_len() {
  case "$1" in
    tables_fuzzer | table_observer_fuzzer) echo 16384 ;;
    fleet_file_fuzzer) echo 1200 ;;
    fleet_text_fuzzer) echo 65600 ;;
    wine_path_fuzzer) echo 512 ;;
    *) echo 4096 ;;
  esac
}

dictionary() {
  case "$1" in
    ship_row_fuzzer | tables_fuzzer | table_observer_fuzzer) echo "$root/fuzz/dict/game_tables.dict" ;;
    system_reg_fuzzer) echo "$root/fuzz/dict/system_reg.dict" ;;
    wine_path_fuzzer) echo "$root/fuzz/dict/wine_path.dict" ;;
    fleet_text_fuzzer) echo "$root/fuzz/dict/fleet_text.dict" ;;
    *) echo "" ;;
  esac
}

# "name executions exec/s" from a libFuzzer log's final statistics.
summary() {
  awk -v name="$1" '
    /stat::number_of_executed_units:/ { runs += $2 }
    /stat::average_exec_per_sec:/ { rate += $2 }
    END { printf "%-20s %10d executions %8d exec/s\n", name, runs, rate }' "${@:2}"
}

# Runs one target; its report goes to standard output, its verdict to the exit status.
run_target() {
  local target=$1
  local corpus=$scratch/corpus/$target
  local artifacts=$scratch/artifacts/$target
  local log_dir=$scratch/logs/$target
  rm -rf "$log_dir"
  mkdir -p "$corpus" "$artifacts" "$log_dir"
  local args=(-max_total_time="$seconds" -max_len="$(max_len "$target")" -timeout=10
              -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$artifacts/")
  local dict
  dict=$(dictionary "$target")
  [ -z "$dict" ] || args+=(-dict="$dict")
  # Artifacts from earlier runs do not count against this one.
  local marker=$log_dir/started
  touch "$marker"

  echo "== $target: $mode run, $seconds s"
  local status=0 logs
  if [ "$mode" = long ]; then
    # With -jobs each job logs to fuzz-<n>.log in the working directory.
    (cd "$log_dir" && "$bin_dir/$target" "${args[@]}" -jobs=2 -workers=2 \
      "$corpus" "$root/fuzz/corpus/$target" >"$log_dir/main.log" 2>&1) || status=$?
    logs=("$log_dir"/fuzz-*.log)
  else
    "$bin_dir/$target" "${args[@]}" "$corpus" "$root/fuzz/corpus/$target" \
      >"$log_dir/fuzz-0.log" 2>&1 || status=$?
    logs=("$log_dir/fuzz-0.log")
  fi
  summary "$target" "${logs[@]}"

  local reproducers=() file
  while IFS= read -r -d '' file; do
    reproducers+=("$file")
  done < <(find "$artifacts" -type f -newer "$marker" -print0)
  if [ "$status" -ne 0 ] || [ ${#reproducers[@]} -gt 0 ]; then
    echo "!! $target failed (exit status $status); log: ${logs[*]}"
    grep -h -m 3 -E 'ERROR|invariant broken|runtime error' "${logs[@]}" || true
    for file in "${reproducers[@]}"; do
      echo "!! reproducer: $file"
      echo "!!   replay: $bin_dir/$target '$file'"
    done
    return 1
  fi
}

# A short run is one process per target, two targets at a time (one per core of a small
# machine); a long run gives each target both cores in turn. Reports print in target order.
parallel=1
[ "$mode" = long ] || parallel=2
failed=()
start=$SECONDS
reports=$scratch/reports
rm -rf "$reports"
mkdir -p "$reports"
pids=()
for target in "${targets[@]}"; do
  while [ "$(jobs -rp | wc -l)" -ge "$parallel" ]; do
    wait -n || true
  done
  run_target "$target" >"$reports/$target" 2>&1 &
  pids+=($!)
done
for i in "${!targets[@]}"; do
  status=0
  wait "${pids[$i]}" || status=$?
  if [ "$status" -ne 0 ]; then
    failed+=("${targets[$i]}")
    cat "$reports/${targets[$i]}" >&2
  else
    cat "$reports/${targets[$i]}"
  fi
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "== fuzzing failed: ${failed[*]}" >&2
  exit 1
fi
echo "== fuzzing passed (${targets[*]}) in $((SECONDS - start)) s"
