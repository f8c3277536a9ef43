#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build for a few seconds on a scratch copy of its seed corpus.
#   run-fuzzers.sh BUILD_DIR SECONDS [NAME_PATTERN]
set -uo pipefail
build=$1
seconds=$2
pattern=${3:-.}
list="$build/fuzzers.txt"
[ -s "$list" ] || { echo "no fuzz targets"; exit 0; }
status=0
while IFS='|' read -r exe corpus; do
  name=$(basename "$exe")
  [[ $name =~ $pattern ]] || continue
  work="$build/fuzz-runs/$name"
  rm -rf "$work"
  mkdir -p "$work/corpus" "$work/artifacts"
  [ -n "$corpus" ] && [ -d "$corpus" ] && cp -r "$corpus/." "$work/corpus/"
  if "$exe" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$work/artifacts/" \
    "$work/corpus" >"$work/log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log")
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$work/log")
    echo "$name: ok, ${runs:-?} runs in ${seconds} s (${rate:-?} per second)"
  else
    echo "$name: FAILED (log: $work/log)"
    tail -40 "$work/log"
    status=1
  fi
done <"$list"
exit $status
